#include "pos/PosSettings.h"

#include "util/Flags.h"

namespace kvr::pos {

bool PosSettings::isOn(const char* key) const
{
    return util::isFlagSet(text(key));
}

bool PosSettings::isOff(const char* key) const
{
    return text(key) == util::flagText(false);
}

} // namespace kvr::pos
