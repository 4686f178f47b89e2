#include "core/model/Frame.h"

#include <algorithm>

int IndexOfID(const QString& id, const TObjectList& list) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i]->ID == id)
            return static_cast<int>(i);
    return -1;
}

void StripFrame(TFrame& frame) {
    auto& objects = frame.Objects;
    objects.erase(std::remove_if(objects.begin(), objects.end(),
                                 [](const auto& object) { return !object->AnyKeyFrame(); }),
                  objects.end());
}
