#pragma once

class QTableView;

// How often a list's columns are fitted to what they show. Measuring the texts of a page costs far more than
// reading it, and columns that change width at every key make a list hard to read: a list is fitted once,
// when its first rows arrive, and keeps its widths while a search is typed into it. What changes the list's
// shape (another patient, another kind of visit, columns shown or hidden) asks for a new fit.
namespace columnfit {

// Fits the view's columns to their contents unless they were already fitted to rows; true when it did, so
// that the caller may set the widths it keeps fixed.
bool fitOnce(QTableView* view);

// The next fitOnce() measures the columns again.
void refit(QTableView* view);

} // namespace columnfit
