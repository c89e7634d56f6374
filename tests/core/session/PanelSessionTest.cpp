// The session's modified state: the document's own changes and the edits
// the forms hold that the image does not have yet.
#include "session/PanelSession.h"
#include "base/RecordingSink.h"
#include "operations/OperationCodes.h"
#include "panel/Setting.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace qarvo;

namespace {

struct Session {
    RecordingSink sink;
    session::PanelSession session{sink, link::ConnectionSettings{}};

    Session() { session.refreshForms(); }
};

} // namespace

TEST(PanelSession, NewDocumentIsNotModified)
{
    Session s;
    EXPECT_FALSE(s.session.modified());
}

TEST(PanelSession, FormEditsCountUntilUndone)
{
    Session s;
    const std::string kept = s.session.forms.report.account1;
    s.session.forms.report.account1 = "1234";
    EXPECT_TRUE(s.session.modified());
    s.session.forms.report.account1 = kept;
    EXPECT_FALSE(s.session.modified());
}

TEST(PanelSession, StoredEditsStayModifiedUntilSaved)
{
    Session s;
    qarvo::testing::TempDir dir;
    s.session.forms.report.account1 = "1234";
    ASSERT_FALSE(s.session.storeForms());
    EXPECT_TRUE(s.session.modified()) << "the image took the edit, the file has not";
    ASSERT_EQ(s.session.doc.save(dir.file("a.rps")), "");
    EXPECT_FALSE(s.session.modified());
}

TEST(PanelSession, RefusedStoreKeepsTheEditsModified)
{
    Session s;
    s.session.forms.report.account1 = "12A";
    ASSERT_TRUE(s.session.storeForms());
    EXPECT_TRUE(s.session.modified());
}

TEST(PanelSession, RefreshAfterOpenTakesTheFileAsItsState)
{
    Session s;
    qarvo::testing::TempDir dir;
    ASSERT_EQ(s.session.doc.save(dir.file("a.rps")), "");
    s.session.forms.report.phone1 = "5551234";
    ASSERT_EQ(s.session.doc.open(dir.file("a.rps")), "");
    s.session.refreshForms();
    EXPECT_FALSE(s.session.modified());
}

// A read refills every form from the image: edits are taken first, so the
// other page's edits survive it; a refused edit stops the read with its
// message; unedited forms are not stored, so a value the panel itself left
// refused does not stop the next read. A write always checks.
TEST(PanelSession, AReadTakesOnlyEditedFormsAndAWriteAlwaysChecks)
{
    Session s;
    const auto refusals = [&] { return s.sink.all<FormRefusedNotice>().size(); };

    s.session.forms.report.account1 = "1234";
    EXPECT_TRUE(s.session.gatherPages(operations::kReadInstaller));
    s.session.refreshForms();
    EXPECT_EQ(s.session.forms.report.account1, "1234");

    s.session.forms.report.account1 = "12A";
    EXPECT_FALSE(s.session.gatherPages(operations::kReadMaster));
    EXPECT_EQ(refusals(), 1u);

    s.session.doc.bytes(panel::Setting::CommunicationFormat2)[0] = 0x55; // a format with no item
    s.session.refreshForms();
    EXPECT_TRUE(s.session.gatherPages(operations::kReadInstaller));
    EXPECT_FALSE(s.session.gatherPages(operations::kWriteInstaller));
    EXPECT_EQ(refusals(), 2u);
}
