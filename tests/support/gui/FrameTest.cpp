#include "FrameTest.h"

namespace qarvo::testing {

void FrameTest::makeFrame(bool withSettingsFile)
{
    if (withSettingsFile)
        home().writeConnectionSettings(savedSettings());
    gui::FrameSetup setup;
    setup.programDirectory = home().path();
    setup.timing = fastTiming();
    frame = std::make_unique<gui::CMainFrame>(setup, *settings, *language);
}

void FrameTest::initTest()
{
    settings = std::make_unique<app::UserSettings>();
    language = std::make_unique<app::CurrentLanguage>();
    if (frameAtStart_)
        makeFrame();
}

void FrameTest::cleanupTest()
{
    frame.reset();
    language.reset();
    settings.reset();
}

} // namespace qarvo::testing
