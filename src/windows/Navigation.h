#pragma once
// The work window's actions: the bottom buttons by mode and index, the navigation
// buttons by caption, and the rules of a tab change.

// The notice at the change from the process tab to the downstream tab.
inline constexpr const char* ProcesdataAendretBesked =
    "De geokemiske procesdata er ændret efter sidste geokemiske modellering.";

// A click on BotKey(Index): acts by the mode and the index.
void UdfoerBotKey(int Index);
// A click on NavKey(Index): acts by the button's caption.
void UdfoerNavKey(int Index);

// The tab-change rules of the modes "Kvalitetskontrol" and "AkvModelling"; each
// checks its own conditions and does nothing when they do not all hold.
void KvalitetskontrolFaneregel(int PreviousTab);
void ModelleringFaneregel(int PreviousTab);
