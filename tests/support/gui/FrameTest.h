#pragma once
// The base of the tests of the main window: on top of the widget test's
// program directory and prompter, a settings store, the language and the
// main window over them, made afresh for every test function and gone
// after it.
#include "WidgetTest.h"

#include "gui/shell/CMainFrame.h"

#include <memory>

namespace qarvo::testing {

class FrameTest : public WidgetTest {
    Q_OBJECT

protected:
    // A test class that makes the window itself (with or without a
    // settings file) passes false.
    explicit FrameTest(bool frameAtStart = true) : frameAtStart_(frameAtStart) {}

    // Makes the main window over the test's program directory, after
    // writing the saved connection settings there unless told not to.
    void makeFrame(bool withSettingsFile = true);

    void initTest() override;
    void cleanupTest() override;

    std::unique_ptr<app::UserSettings> settings;
    std::unique_ptr<app::CurrentLanguage> language;
    std::unique_ptr<gui::CMainFrame> frame;

private:
    bool frameAtStart_;
};

} // namespace qarvo::testing
