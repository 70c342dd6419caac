#pragma once
// Where a text stands in its cell, column or label: one pair for the grids, the
// charts and the print document.

// The values are the grid component's codes for a column's alignment.
enum class VandretJustering { Venstre = 0, Hoejre = 1, Centreret = 2 };
enum class LodretJustering { Top, Midte, Bund };
