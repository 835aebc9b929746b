#pragma once
// The product's own names and version, kept in one place.

#include <QString>

namespace Product {

constexpr char displayName[] = "Verdimon Nuvo";
constexpr char organisation[] = "Dravonel";
constexpr char version[] = "4.1.3.742";

// The main window's title: "Verdimon Nuvo [<channel> | Build <version> | x64]", or the display
// name alone. A second start finds the running window by it, so both sides build it here.
QString windowTitle(bool fullInformation, const QString &channelName);

} // namespace Product
