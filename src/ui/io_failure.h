// A file that could not be read or written, reported the way the editor does everywhere: one
// line in the error log (the procedure, then the system's error number directly followed by
// its text) and one message box with the product's title.
#pragma once

#include "files/disk_io.h"

class QWidget;

namespace rse {

struct EditorSession;
class Prompts;

void ReportIoFailure(EditorSession& session, Prompts& prompts, QWidget* parent,
                     const char* procedure, const char* message, const IoResult& r);

}  // namespace rse
