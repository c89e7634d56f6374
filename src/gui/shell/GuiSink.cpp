#include "gui/shell/GuiSink.h"

#include <QThread>

namespace qarvo::gui {

GuiSink::GuiSink(Handler handler, QObject* parent) : QObject(parent), handler_(std::move(handler)) {}

bool GuiSink::handledAtOnce(const Notice& notice)
{
    const auto* report = std::get_if<ReportNotice>(&notice);
    return (report && report->kind == report_kind::kOperationStarting) ||
           std::holds_alternative<FormRefusedNotice>(notice);
}

void GuiSink::post(const Notice& notice)
{
    if (QThread::currentThread() == thread() && handledAtOnce(notice)) {
        handler_(notice);
        return;
    }
    QMetaObject::invokeMethod(this, [this, notice] { handler_(notice); }, Qt::QueuedConnection);
}

} // namespace qarvo::gui
