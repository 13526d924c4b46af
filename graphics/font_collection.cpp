#include "font_collection.h"

#include "binding.h"
#include "font_family.h"

namespace graphics {

void FontCollection::Destroy() {}

std::unique_ptr<WrapperObject> FontCollection::Copy() const {
    auto copy = std::make_unique<FontCollection>();
    copy->handle = handle;
    copy->collection = collection;
    return copy;
}

void FontCollection::OnHandleSet(void* h) {
    collection = static_cast<GpFontCollection*>(h);
    OnDerivedHandleSet(h);
}

void FontCollection::OnDerivedHandleSet(void*) {}

INT FontCollection::GetFontCollectionFamilyCount() {
    INT count = 0;
    Record(GDIP(GdipGetFontCollectionFamilyCount)(collection, &count));
    return count;
}

INT FontCollection::GetFontCollectionFamilyList(INT numSought, std::vector<std::unique_ptr<FontFamily>>& families) {
    if (numSought < 1) {
        Record(InvalidParameter);
        return 0;
    }
    std::vector<GpFontFamily*> list(static_cast<std::size_t>(numSought), nullptr);
    families.clear();  // the old wrappers release what they hold
    for (INT i = 0; i < numSought; ++i) families.push_back(std::make_unique<FontFamily>());
    INT found = 0;
    if (Record(GDIP(GdipGetFontCollectionFamilyList)(collection, numSought, list.data(), &found))) {
        for (INT i = 0; i < numSought; ++i) families[static_cast<std::size_t>(i)]->SetHandle(list[i]);
    }
    return LastStatus == Ok ? found : 0;
}

}  // namespace graphics
