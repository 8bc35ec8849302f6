#include "model/ResultCode.h"

#include "model/Catalog.h"
#include "model/TextTable.h"

#include <iterator>

namespace varkel {

std::string ResultMessage(int code) {
    if (code == UserCancelled)
        return Text(Msg::LinkCancelled);
    static constexpr int kKeys[] = {5002, 5003, 5004, 5005, 28,   5006, 5007,
                                    5008, 5009, 5010, 5011, 5012, 0,    5014};
    if (code >= 0 && code < static_cast<int>(std::size(kKeys)) && kKeys[code] != 0)
        return LocalText(kKeys[code]);
    return Text(Msg::UnknownError);
}

} // namespace varkel
