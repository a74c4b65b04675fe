#include "ui/io_failure.h"

#include "qt/translations.h"
#include "ui/editor_session.h"
#include "ui/prompts.h"

namespace rse {

void ReportIoFailure(EditorSession& session, Prompts& prompts, QWidget* parent,
                     const char* procedure, const char* message, const IoResult& r) {
    session.WriteErrorLog(
        QLatin1String(procedure),
        QString::number(r.errorNumber) + QString::fromLocal8Bit(r.description.c_str()));
    prompts.Message(parent, CoreText(message), ProductTitle(), Prompts::Icon::Exclamation);
}

}  // namespace rse
