// The search of the Useful commands page: typing prepares a query, Return or the search button
// narrows the page to the buttons whose label holds it, and an empty field brings everything
// back. Only visibility changes; no text does.

#include "mainwindow/verdimonnuvo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The search button is in the page's button list too, but never takes part in a search.
bool isSearchButton(const QPushButton *button)
{
    return button->objectName() == QLatin1String("searchBtn");
}

} // namespace

void VerdimonNuvo::onSearchTextChanged(const QString &text)
{
    showToolButtons(text);
}

void VerdimonNuvo::onSearchReturnPressed()
{
    // A search runs to its end before the next can start.
    if (!searchBtn->isEnabled())
        return;
    searchBtn->setEnabled(false);
    searchUsefulCommands();
}

void VerdimonNuvo::onSearchClicked()
{
    searchBtn->setEnabled(false);
    searchUsefulCommands();
}

void VerdimonNuvo::showToolButtons(const QString &text)
{
    if (!text.isEmpty()) {
        // Typing only offers the search; the page changes on Return or the button.
        if (searchBtn->isHidden())
            searchBtn->show();
        return;
    }
    noCommandFoundLabel->hide();
    for (QPushButton *button : qAsConst(commandButtons)) {
        if (button->isHidden() && !isSearchButton(button))
            button->setHidden(false);
    }
    setCommandHeadingsVisible(true);
    searchBtn->hide();
}

void VerdimonNuvo::searchUsefulCommands()
{
    noCommandFoundLabel->hide();
    const QString query = searchCommandEdit->text();
    bool anyShown = false;
    for (QPushButton *button : qAsConst(commandButtons)) {
        if (isSearchButton(button))
            continue;
        // A plain substring of the stored label ("&&" where the label shows "&"), any case.
        const bool match = query.isEmpty() || button->text().contains(query, Qt::CaseInsensitive);
        button->setHidden(!match);
        anyShown = anyShown || match;
    }
    // Whether the window is on screen or not, what counts is what the search left shown.
    noCommandFoundLabel->setHidden(anyShown);
    setCommandHeadingsVisible(anyShown);
    searchBtn->setEnabled(true);
}

void VerdimonNuvo::setCommandHeadingsVisible(bool visible)
{
    for (QLabel *heading : qAsConst(commandHeadingLabels))
        heading->setVisible(visible);
}
