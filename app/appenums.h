#pragma once
// Enumerations stored in the settings as integers and carried by signals.

#include <QMetaType>

namespace App {
enum Theme { Light = 0, Gray = 1, Dark = 2 };
enum Language { AutoSelect = 0, English = 1, Russian = 2, Ukrainian = 3 };
enum TabPosition { North = 0, South = 1, West = 2, East = 3 };
} // namespace App

namespace Update {
enum Channel { Development = 0, Insider = 1, Beta = 2, Release = 3 };
enum Delivery { VendorServer = 0, OneDrive = 1, Dropbox = 2 };
} // namespace Update

Q_DECLARE_METATYPE(App::Theme)
Q_DECLARE_METATYPE(App::Language)
Q_DECLARE_METATYPE(App::TabPosition)
Q_DECLARE_METATYPE(Update::Channel)
Q_DECLARE_METATYPE(Update::Delivery)
