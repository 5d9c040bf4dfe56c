// orvane-skin: packs, dumps, checks and previews skin packages.

#include "ContactSheet.h"
#include "ExitStatus.h"
#include "LoadFailureReport.h"
#include "core/base/FileBytes.h"
#include "PngFile.h"
#include "SkinCheck.h"
#include "SkinDump.h"
#include "SkinPack.h"

#include "core/base/Exception.h"
#include "core/skinmodel/TvelSkinReader.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using orvane::ExitCannotLoad;
using orvane::ExitOk;
using orvane::ExitProblems;
using orvane::ExitUsage;

constexpr const char* Usage = R"(usage:
  orvane-skin pack SRC_DIR OUT.ssk [--password P] [--store]
  orvane-skin dump PACKAGE [--password P]
  orvane-skin check PACKAGE [--password P]
  orvane-skin sheet PACKAGE OUT.png [--password P]

pack   packs a skin source folder into a skin package: an archive whose first
       two bytes are "SK", holding the record file SKINDATA.SK2. Entries are
       deflated (--store: stored), and encrypted when a password is given.
dump   loads a package with the program's own reader and prints one line per
       entry: key name, kind (image, integer, bool, string) and value.
check  lists what the skin engine would miss: keys it reads that are absent,
       image strips that do not divide into their frames, region rows outside
       their band. Exits 1 when something is missing.

dump, check and sheet exit 3 when the package does not load, and say which
step failed: not an SK archive, entry not found, damaged data, bad CRC-32,
wrong password, over a limit, and so on.
sheet  draws a contact sheet of the skin: a window drawn from it and every
       image with its key name, as a PNG picture.

The source folder holds "skin.manifest", one value per line:
  colour  SKIN2_FORMCOLOR         #ECEFF4        (#RRGGBB)
  integer SKIN2_TITLEBARICONPOSX  8
  flag    SKIN2_TITLEFIVESECT     yes            (yes/no, true/false, 1/0)
  string  AUTHOR                  the rest of the line
  image   SKIN2_TITLEBAR1         titlebar1.bmp  (a Windows bitmap in the folder)
Lines starting with '#' are comments.
)";

struct Arguments {
    std::string command;
    std::vector<std::string> positional;
    std::string password;
    bool store = false;
};

// Gives nothing (after saying why) when the command line is not understood.
std::optional<Arguments> Parse(int argc, char** argv)
{
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--password") {
            if (i + 1 >= argc) {
                std::cerr << "orvane-skin: --password needs a value\n";
                return std::nullopt;
            }
            arguments.password = argv[++i];
        } else if (word == "--store") {
            arguments.store = true;
        } else if (word.starts_with("--")) {
            std::cerr << "orvane-skin: unknown option " << word << '\n';
            return std::nullopt;
        } else if (arguments.command.empty()) {
            arguments.command = word;
        } else {
            arguments.positional.push_back(word);
        }
    }
    const struct {
        const char* command;
        std::size_t operands;
        bool allowsStore;
    } commands[] = {{"pack", 2, true}, {"dump", 1, false}, {"check", 1, false}, {"sheet", 2, false}};
    for (const auto& c : commands) {
        if (arguments.command != c.command)
            continue;
        if (arguments.positional.size() != c.operands) {
            std::cerr << "orvane-skin: " << c.command << " takes " << c.operands
                      << (c.operands == 1 ? " operand\n" : " operands\n");
            return std::nullopt;
        }
        if (arguments.store && !c.allowsStore) {
            std::cerr << "orvane-skin: --store belongs to pack\n";
            return std::nullopt;
        }
        return arguments;
    }
    if (arguments.command.empty())
        std::cerr << "orvane-skin: no command given\n";
    else
        std::cerr << "orvane-skin: unknown command " << arguments.command << '\n';
    return std::nullopt;
}

int Pack(const Arguments& arguments)
{
    orvane::SkArchiveOptions options;
    options.compression = arguments.store ? orvane::SkCompression::Store : orvane::SkCompression::Deflate;
    options.password = arguments.password;
    const auto problems = orvane::PackSkin(arguments.positional[0], arguments.positional[1], options);
    for (const std::string& problem : problems)
        std::cerr << "orvane-skin: " << problem << '\n';
    return problems.empty() ? ExitOk : ExitProblems;
}

int Sheet(const Arguments& arguments)
{
    try {
        orvane::TvelSkinReader reader(arguments.positional[0], arguments.password);
        if (!reader.Ready()) {
            std::cerr << "orvane-skin: no such package " << arguments.positional[0] << '\n';
            return ExitCannotLoad;
        }
        const auto png = orvane::EncodePng(orvane::RenderContactSheet(reader));
        if (!orvane::WriteFileBytes(arguments.positional[1], png)) {
            std::cerr << "orvane-skin: cannot write " << arguments.positional[1] << '\n';
            return ExitProblems;
        }
        return ExitOk;
    } catch (const orvane::Exception& error) {
        orvane::ReportLoadFailure(arguments.positional[0], error, std::cerr);
        return ExitCannotLoad;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::cout << Usage;
        return ExitOk;
    }
    const auto arguments = Parse(argc, argv);
    if (!arguments) {
        std::cerr << Usage;
        return ExitUsage;
    }
    if (arguments->command == "pack")
        return Pack(*arguments);
    if (arguments->command == "dump")
        return orvane::DumpSkin(arguments->positional[0], arguments->password, std::cout, std::cerr);
    if (arguments->command == "check")
        return orvane::CheckSkin(arguments->positional[0], arguments->password, std::cout, std::cerr);
    return Sheet(*arguments);
}
