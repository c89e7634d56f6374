#pragma once
// The shell's notice sink: core threads post notices, the main thread
// handles them in the order they were posted.
#include "base/NoticeSink.h"

#include <QObject>

#include <functional>

namespace qarvo::gui {

class GuiSink final : public QObject, public NoticeSink {
public:
    using Handler = std::function<void(const Notice&)>;
    explicit GuiSink(Handler handler, QObject* parent = nullptr);

    // From any thread. The announcement that an operation is about to start
    // is handled before the call returns when it is posted on the main
    // thread, so the pages are reset before the worker sees the new code;
    // so is a refused form, which stops the operation the user just asked
    // for with its message and the focus on the value; everything else is
    // queued.
    void post(const Notice& notice) override;

private:
    static bool handledAtOnce(const Notice& notice);
    Handler handler_;
};

} // namespace qarvo::gui
