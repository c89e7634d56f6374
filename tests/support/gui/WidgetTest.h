#pragma once
// The base of the Qt widget tests: every test function runs with a
// temporary program directory and settings store of its own, English as
// the stored language, and a prompter that answers the dialogs as the test
// queued and records the messages shown.
#include "GuiTestSupport.h"

#include <QObject>

#include <memory>

namespace qarvo::testing {

class WidgetTest : public QObject {
    Q_OBJECT

protected:
    TestHome& home() { return *home_; }
    ScriptedPrompter& prompter() { return *prompter_; }

    // What a test class adds around each test function.
    virtual void initTest() {}
    virtual void cleanupTest() {}

private slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<TestHome> home_;
    std::unique_ptr<ScriptedPrompter> prompter_;
};

} // namespace qarvo::testing
