#include "policy/TLDExtractError.h"

namespace korvel {

QString TLDExtractError::description() const
{
    switch (code) {
    case Code::pslParseError:
        if (underlyingError)
            return *underlyingError;
        return QStringLiteral("the data is empty or not UTF-8 text");
    }
    return QString();
}

}  // namespace korvel
