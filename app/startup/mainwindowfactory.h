#pragma once
// The one place that creates the main window. Tests replace the maker to count and inspect the
// windows the start-up sequence opens, without building the whole main window.

#include <functional>

class QWidget;

namespace MainWindowFactory {

using Maker = std::function<QWidget *()>;

// Creates the main window without parent (not shown).
QWidget *create();
// Replaces the maker; an empty maker restores the real main window.
void setMaker(Maker maker);

} // namespace MainWindowFactory
