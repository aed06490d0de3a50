#include "tools/Settings.h"

#include "ProgramFolder.h"
#include "fly/Drosophila.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QSettings>
#include <cmath>
#include <locale>
#include <sstream>

namespace {

constexpr char SettingsFileName[] = "settings";
constexpr float DefaultResolution = 0.04f;
constexpr float DefaultMinDistance = 10.0f;

// The palette role that plays each desktop system colour, by system-colour index.
constexpr QPalette::ColorRole SystemColorRoles[] = {
    QPalette::Mid,             // scroll bar
    QPalette::Dark,            // desktop
    QPalette::Highlight,       // active caption
    QPalette::Mid,             // inactive caption
    QPalette::Window,          // menu
    QPalette::Base,            // window
    QPalette::Shadow,          // window frame
    QPalette::WindowText,      // menu text
    QPalette::Text,            // window text
    QPalette::HighlightedText, // caption text
    QPalette::Window,          // active border
    QPalette::Window,          // inactive border
    QPalette::Dark,            // application workspace
    QPalette::Highlight,       // highlight
    QPalette::HighlightedText, // highlight text
    QPalette::Button,          // button face
    QPalette::Dark,            // button shadow
    QPalette::Mid,             // grey text
    QPalette::ButtonText,      // button text
    QPalette::Text,            // inactive caption text
    QPalette::Light,           // button highlight
    QPalette::Shadow,          // 3D dark shadow
    QPalette::Midlight,        // 3D light
    QPalette::ToolTipText,     // info text
    QPalette::ToolTipBase,     // info background
    QPalette::Window,          // unused index
    QPalette::Link,            // hot-tracked item
    QPalette::Highlight,       // active caption gradient
    QPalette::Mid,             // inactive caption gradient
    QPalette::Highlight,       // highlighted menu item
    QPalette::Window,          // menu bar
};

QSettings PasswordStore() {
    return QSettings(QSettings::IniFormat, QSettings::SystemScope, "Genotrix", "Genotrix");
}

// A settings-file flag: exactly "0" or "1".
bool ReadFlag(const QByteArray& token, bool& field) {
    if (token != "0" && token != "1")
        return false;
    field = token == "1";
    return true;
}

// A settings-file number, read the same way whatever the user's locale.
void ReadFloat(const QByteArray& token, float& field) {
    bool ok = false;
    const float value = QLocale::c().toFloat(QString::fromLatin1(token), &ok);
    if (ok && std::isfinite(value))
        field = value;
}

} // namespace

QByteArray ScramblePassword(const QByteArray& text) {
    constexpr int keyLength = sizeof(PasswordKey) - 1;
    QByteArray result = text;
    for (qsizetype i = 0; i < result.size(); ++i)
        result[i] = static_cast<char>(result[i] ^ PasswordKey[i % keyLength]);
    return result;
}

QColor ResolveColor(std::int32_t colorRef) {
    const auto bits = static_cast<std::uint32_t>(colorRef);
    if (bits & 0x80000000u) {
        const std::uint32_t index = bits & 0xFFu;
        const QPalette::ColorRole role =
            index < std::size(SystemColorRoles) ? SystemColorRoles[index] : QPalette::Window;
        return QGuiApplication::palette().color(QPalette::Active, role);
    }
    return QColor(bits & 0xFFu, (bits >> 8) & 0xFFu, (bits >> 16) & 0xFFu);
}

void TSettings::SetMicroscopeColor(std::int32_t colorRef) {
    MicroscopeColor = colorRef;
    const QColor rgb = ResolveColor(colorRef);
    MicroscopeRGB = {rgb.red() / 255.0f, rgb.green() / 255.0f, rgb.blue() / 255.0f};
}

void TSettings::LoadSettings() {
    *this = TSettings();
    SetMicroscopeColor(MenuBarSystemColor);
    CrossOverResolution = DefaultResolution;
    CrossOverMinDistance = DefaultMinDistance;

    EnterProgramFolder();
    QFile file(SettingsFileName);
    if (file.open(QIODevice::ReadOnly)) {
        // Token by token; a token that is missing or malformed leaves its field's default.
        const QList<QByteArray> tokens = file.readAll().simplified().split(' ');
        const auto token = [&tokens](int i) {
            return i < tokens.size() ? tokens[i] : QByteArray();
        };
        bool ok = false;
        const int color = QLocale::c().toInt(QString::fromLatin1(token(0)), &ok);
        bool* const fields[] = {&DragFromMicroscope,   &SeparateSexes,   &Charts3D,
                                &ShowTipsAtStartup,    &PasswordEnabled, &ProtectEditor,
                                &ProtectChromosomeMap, &ReservedFlag,    &ProtectTable,
                                &ProtectChart};
        for (int i = 0; i < 10; ++i)
            ReadFlag(token(1 + i), *fields[i]);
        ReadFloat(token(11), CrossOverResolution);
        ReadFloat(token(12), CrossOverMinDistance);
        if (ok)
            SetMicroscopeColor(color);
        FirstRun = false;
    }

    // The stored password; nothing stored (or an empty value) means the default.
    const QByteArray stored = PasswordStore().value(PasswordStoreKey).toByteArray();
    if (!stored.isEmpty())
        TeacherPassword = QString::fromUtf8(ScramblePassword(stored));
}

QByteArray TSettings::SettingsLine() const {
    std::ostringstream line;
    line.imbue(std::locale::classic());
    const bool flags[] = {
        DragFromMicroscope, SeparateSexes,        Charts3D,     ShowTipsAtStartup, PasswordEnabled,
        ProtectEditor,      ProtectChromosomeMap, ReservedFlag, ProtectTable,      ProtectChart};
    line << MicroscopeColor;
    for (bool flag : flags)
        line << ' ' << (flag ? 1 : 0);
    line << ' ' << static_cast<double>(CrossOverResolution) << ' '
         << static_cast<double>(CrossOverMinDistance);
    return QByteArray::fromStdString(line.str());
}

void TSettings::SaveSettings() const {
    EnterProgramFolder();
    QFile file(SettingsFileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        file.write(SettingsLine() + '\n');

    QSettings store = PasswordStore();
    store.setValue(PasswordStoreKey, ScramblePassword(TeacherPassword.toUtf8()));
}

TSettings& settings() {
    static TSettings instance;
    return instance;
}
