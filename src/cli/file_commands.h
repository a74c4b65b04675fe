// rse-cli subcommands that work on files only: new, convert, report.
#pragma once

#include <functional>
#include <string>

#include <QString>
#include <QStringList>

#include "image/memory_image.h"
#include "model/configuration.h"

namespace rse::cli {

// A new configuration and its memory image.
struct Document {
    Configuration config;
    MemoryImage image{};
    Document();
};

// Loads IN into a new document: a .dat file is read over New, a .hex file replaces the image
// and is decoded. On failure prints the message and returns 1.
int LoadDocument(const QString& path, Document& doc);
// Loads the memory image IN stands for into a new document: a .hex file as it is; a .dat file
// read over New and encoded over BASE.hex when a base path is given, else over the image of
// a new configuration. On failure prints the message and returns 1.
int LoadRadioImage(const QString& in, const QString& basePath, Document& doc);

// Runs a subcommand of the form "CMD IN [-o OUT]": loads IN (.dat or .hex) and writes what
// `compose` makes of it to OUT, or to standard output without -o. Returns the exit status.
int RunDocumentOutput(const QString& cmd, const QStringList& args, const char* valueName,
                      const std::function<std::string(const Document&)>& compose);

bool IsFileCommand(const QString& name);
// Runs one file subcommand; args are the arguments after its name. Returns the exit status:
// 0 success, 1 failed, 2 wrong usage.
int RunFileCommand(const QString& name, const QStringList& args);
QString FileCommandsUsage();

}  // namespace rse::cli
