#pragma once
// The edits in progress in the work window's grids: the pending-edit test of the
// input grids and the ending of open edits before an action reads the tables.
#include <string>
#include <vector>

// The five input grids of tab 0, in the order their edits are ended.
const std::vector<std::string>& InddataGridNavne();
// The five input grids and the three editable process grids TDBGrid11, TDBGrid15, TDBGrid16.
const std::vector<std::string>& RedigerbareGridNavne();

// True when one of the five input grids holds an open, changed edit, or an input
// value was accepted since the last accepted quality control (HentInddataAendret):
// either way the quality-control results no longer stand for the input. Every grid
// is asked, also after one has answered true.
bool InddataGridsAendret();

// Ends the edit in progress of each grid in the order given, each through its own
// check. Stops at the first refusal and returns that grid's name; "" when every
// open edit was accepted (or none was open).
std::string AfslutRedigeringer(const std::vector<std::string>& grids);

// Ends the edits in progress of the eight editable grids, so that a value typed but
// not committed takes part in what a button starts. A refused edit has shown its
// check's message and keeps the focus in its grid; the result is then false and the
// action stops.
bool AfslutAabneRedigeringer();
