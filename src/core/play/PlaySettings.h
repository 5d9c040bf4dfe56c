#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The player's choices in the Play menu that outlive the program. Note mode
// is not among them: it is off at every start.
struct PlaySettings {
    bool Highlight = false;
    bool AutoCleanNotes = true;
    bool operator==(const PlaySettings&) const = default;
};

// The settings file's text, one "Name=0" or "Name=1" line each, ended by
// CR LF:
//
//   Highlight=0
//   AutoCleanNotes=1
std::string PlaySettingsText(const PlaySettings& settings);

// Reads that text. Blanks around names and values, blank lines and a UTF-8
// byte-order mark are allowed; a line of another name is left alone, so that
// a later version's file still reads. A damaged file (a line without "=", a
// known name with a value other than 0 or 1) gives the defaults: a settings
// file never stops the program, and the next save replaces it whole.
PlaySettings ReadPlaySettings(std::string_view text);

} // namespace orvane
