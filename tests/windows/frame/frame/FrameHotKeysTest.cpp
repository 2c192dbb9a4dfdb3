// The frame's hot keys: held from its opening to its closing, Win+W brings
// the iconized frame back, and event 1097 registers the table's keys again.

#include "platform/desktop/FakeHotKeyBackend.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"
#include "tests/windows/frame/frame/MainFrameFixture.h"

namespace vl {
namespace {

using Key = FakeHotKeyBackend::Key;

class FrameHotKeysTest : public test::MainFrameFixture {
protected:
    FakeHotKeyBackend backend;
    HotKeyBackendOverride install{backend};
};

TEST_F(FrameHotKeysTest, KeysAreHeldWhileTheFrameIsOpenAndWinWRestoresIt)
{
    OpenFrame();
    ASSERT_EQ(backend.Grabbed().values(), (QList<Key>{{8, 87}}));
    frame->Iconize();
    backend.Press(backend.Grabbed().firstKey());
    DeliverPostedEvents();
    EXPECT_FALSE(frame->Iconized());

    SysHotKeysRecord record;
    Tables().SysHotKeys.Prime(record);
    record.HotKey = "Ctrl-Alt-F5";
    ASSERT_TRUE(Tables().SysHotKeys.Add(record));
    PostNumberedEvent(frame.get(), EventNumber::kRegisterHotKeys);
    DeliverPostedEvents();
    EXPECT_EQ(backend.Grabbed().values(), (QList<Key>{{3, 116}, {8, 87}}));

    frame->Exit();
    EXPECT_TRUE(backend.Grabbed().isEmpty()) << "the keys go back when the frame closes";
}

} // namespace
} // namespace vl
