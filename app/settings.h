#pragma once
// Accessors of the per-user settings store (organisation and application names of the
// QCoreApplication). Each call opens the store, reads or writes one key and closes it again.
// Kept in a namespace: a free windowOpacity() would be hidden by QWidget::windowOpacity().

#include <QByteArray>
#include <QMargins>
#include <QString>
#include <QVariant>
#include <QVector>

class QWidget;

namespace Settings {

QVariant settingsValue(const QString &group, const QString &key,
                       const QVariant &defaultValue = QVariant());
QVariant appSettingsValue(const QString &key, const QVariant &defaultValue = QVariant());
// Who asks for a write: a refused change of the user's is told; the program's own records (what
// an account says of itself) are only logged when refused.
enum class WriteOrigin { User, Program };
// Writes a change of group/key. A value equal to the one in effect is not written. When the
// store refuses the value, it applies until the program ends and the user is told (see
// unstoredsettings.h).
void setSettingsValue(const QString &group, const QString &key, const QVariant &value,
                      WriteOrigin origin = WriteOrigin::User);
// Writes `plain` enciphered with `cipherKey` (cipher.h), unless the value in effect already
// deciphers to it: the cipher's random lead byte makes each cipher text of one text differ.
void setEncipheredValue(const QString &group, const QString &key, quint64 cipherKey,
                        const QString &plain, WriteOrigin origin = WriteOrigin::User);
bool containsSetting(const QString &group, const QString &key);

// Typed reads. Values read back from the store file come as texts; these convert them and
// fall back to the default when the text is no number, no int or, for the stored enumerations
// (theme, tab position, update channel, delivery), no value of the enumeration.
int intValue(const QString &group, const QString &key, int defaultValue);
bool boolValue(const QString &group, const QString &key, bool defaultValue);

// One row of the start defaults, in the order they are written.
struct DefaultSetting
{
    QString group;
    QString key;
    QVariant value;
};
QVector<DefaultSetting> defaultSettings();
// Writes the start default of every key that is missing; existing values are never touched.
// A refused default is logged, not told: it is no change of the user's.
void writeDefaultSettings();

// Geometry of the main window ("Position") and its Base64 default.
extern const char positionDefaultBase64[];
extern const char settingsViewSizeDefaultBase64[];
// Moves (and, where it must, shrinks) a window whose frame reaches out of its screen back onto
// it, as far as its minimum size allows. `frameMargins`: the frame of a window not framed yet.
void keepOnScreen(QWidget *widget, const QMargins &frameMargins = QMargins());
// Restores the widget's geometry from AppSettings/<key>, moved (and if need be shrunk) into the
// screen's available area; resizes it to 1350 x 510 when the key is missing or empty.
void restoreBase64Setting(QWidget *widget, const QString &key, const QByteArray &base64Default);

// True when both Credentials/Login and Credentials/Password hold non-empty (enciphered) texts.
bool savedCredentials();
// Writes the empty text to those of Credentials/DevBuild, Login and Password that hold one (the
// keys stay).
void clearCredentials();

// Fonts/Family, replaced by (and rewritten as) "Segoe UI" when not a family of the font table.
QString fontFamily();
// Fonts/Size in pixels, replaced by (and rewritten as) 12 when not an offered size.
int fontSize();
// AppSettings/Opacity as a double; 1.0 when missing, no number or outside 0.5 to 1.0.
double windowOpacity();

// Path of the store file (for tests and diagnostics).
QString storeFileName();

} // namespace Settings
