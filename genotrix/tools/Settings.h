#pragma once

// The laboratory's settings: one object for the whole run whose fields every window reads
// directly. They are kept in the one-line text file "settings" in the program's folder; the
// teacher password is kept apart, scrambled, in the per-machine settings store.

#include <QByteArray>
#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

// A colour reference: 0x00BBGGRR for a chosen colour; bit 31 set and a system-colour index in
// the low byte for a colour of the desktop. The default is the menu-bar colour.
inline constexpr std::int32_t MenuBarSystemColor = -2147483618; // 0x8000001E

inline constexpr char DefaultPassword[] = "846";
inline constexpr char PasswordKey[] = "pqwmzbx82tyrua95kvcelgo31jdhnx;wrqt46fzkvmpa7byeu";
// Where the scrambled password lives in the per-machine store.
inline constexpr char PasswordStoreKey[] = "Software/GtCi8721";

// Exclusive-or of every byte with the key byte at its position (the key repeating every 49
// bytes); the same call scrambles and unscrambles.
QByteArray ScramblePassword(const QByteArray& text);
// The RGB value a colour reference stands for, system colours resolved through the palette.
QColor ResolveColor(std::int32_t colorRef);

class TSettings {
public:
    // The stored fields, in the order of the settings file. The crossing-over parameters are
    // the genome's own process-wide values (CrossOverResolution, CrossOverMinDistance).
    std::int32_t MicroscopeColor = MenuBarSystemColor;
    bool DragFromMicroscope = true;
    bool SeparateSexes = false;
    bool Charts3D = false;
    bool ShowTipsAtStartup = true;
    bool PasswordEnabled = false;
    bool ProtectEditor = true;
    bool ProtectChromosomeMap = true;
    bool ReservedFlag = false; // kept only to be written back unchanged
    bool ProtectTable = false;
    bool ProtectChart = false;

    // MicroscopeColor as red, green and blue from 0 to 1.
    std::array<float, 3> MicroscopeRGB{};
    QString TeacherPassword = DefaultPassword;
    // True when no settings file was read at start-up.
    bool FirstRun = true;

    // Back to the defaults, then the settings file and the stored password.
    void LoadSettings();
    // Writes the settings file and the stored password from the fields.
    void SaveSettings() const;
    // Takes a colour reference over as MicroscopeColor, recomputing MicroscopeRGB.
    void SetMicroscopeColor(std::int32_t colorRef);
    // The settings file's line for the current fields, without its line break.
    QByteArray SettingsLine() const;
};

// The settings object of the run.
TSettings& settings();
