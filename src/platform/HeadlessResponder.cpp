#include "platform/HeadlessResponder.h"

namespace platform {

int HeadlessResponder::alert(const AlertRequest &request)
{
    messages << request.message.trimmed();
    return 0;
}

} // namespace platform
