#include "WidgetTest.h"

namespace qarvo::testing {

void WidgetTest::init()
{
    home_ = std::make_unique<TestHome>();
    resetSettings();
    prompter_ = std::make_unique<ScriptedPrompter>();
    initTest();
}

void WidgetTest::cleanup()
{
    cleanupTest();
    prompter_.reset();
    home_.reset();
}

} // namespace qarvo::testing
