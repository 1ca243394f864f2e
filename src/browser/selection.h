#pragma once
// Choosing what the main window shows: a model year on the year bar or a category from the
// menus.  The selection is the caption of the panel panYear.
#include <QString>

namespace kg {

void ShowCategory();
void RestoreMainWindow();
void SetPanelButtons();
void ShowSpecialCategory();
void FocusNextYear();
// Gives the focus to the year button after button k (cmdYR(1) after cmdYR(48)).
void FocusYearButtonAfter(int k);

// The caption a year button puts into panYear ("1953" … "1982", "1984" … "2001").
QString YearButtonCaption(int k);

void YearButtonClick(int k);
// Key codes 32 (space), 188 (comma) and 190 (period); others are ignored.
void YearButtonKey(int k, int keyCode);
void FirstClick();
void SpecialtyClick(int i);
void KestaStuffClick(int i);
void ArtClick(int i);
// mnuMus(1), mnuMus(2), mnuTopTen, mnuEmblems, mnuMiscellany.
void FixedMenuClick(const QString& item);

// The main window's current selection caption.
QString SelectionCaption();

} // namespace kg
