#pragma once
// The modelled downstream column: column 3 of NedstroemModel from the model water.

// Rows 1..23 of column 3, each overwritten. Rows of analytes under the presence
// rule are Empty unless the analyte is filled for both compared boreholes; rows 17
// and 18 (oxygen, methane) are built on column 1 as the downstream run left it.
void UdfyldNedstroemModel();
