#include "gui/CPageTavi.h"

#include "base/TextIds.h"
#include "link/Connection.h"

namespace qarvo::gui {

CPageTavi::CPageTavi(QWidget* parent) : CPage(text_id::kPageTavi, parent) { showPlaceholder(); }

void CPageTavi::communicatorReport(const CommunicatorNotice& notice)
{
    using Kind = CommunicatorNotice::Kind;
    const int result = static_cast<int>(notice.value);
    switch (notice.kind) {
    case Kind::OpeningStarted:
        emit statusText(text_id::kConnecting);
        break;
    case Kind::OpenResult:
        emit statusText(result == link::result::kOpen ? text_id::kConnected : text_id::kDisconnected);
        if (result != link::result::kOpen && result != link::result::kCancelled)
            emit error(result);
        break;
    case Kind::CloseResult:
        emit statusText(text_id::kDisconnected);
        if (result != link::result::kClosed)
            emit error(result);
        break;
    default:
        break;
    }
}

} // namespace qarvo::gui
