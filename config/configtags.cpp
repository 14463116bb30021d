#include "configtags.h"

#include <QString>

#include <algorithm>
#include <cstring>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr std::array<QLatin1StringView, kConfigTagCount> kConfigTagTexts = {
    "[TITL]"_L1, "[ICON]"_L1, "[IC1a]"_L1, "[IC1b]"_L1, "[IC2a]"_L1, "[IC2b]"_L1, "[INTR]"_L1,
    "[ABOU]"_L1, "[LING]"_L1, "[CODP]"_L1, "[CATE]"_L1, "[CATG]"_L1, "[NOME]"_L1, "[DESC]"_L1,
    "[IMGN]"_L1, "[INSC]"_L1, "[COMM]"_L1, "[ESAM]"_L1, "[EXTN]"_L1, "[EXTR]"_L1, "[CATN]"_L1,
};

constexpr char suffixLetter(LayoutProperty property) {
    switch (property) {
    case LayoutProperty::Top:
        return 'T';
    case LayoutProperty::Left:
        return 'L';
    case LayoutProperty::Width:
        return 'W';
    case LayoutProperty::Height:
        return 'H';
    case LayoutProperty::BackColour:
        return 'C';
    case LayoutProperty::TextColour:
        return 'F';
    case LayoutProperty::Picture:
        break;
    }
    return '?';
}

std::array<LayoutKey, kLayoutTagCount> buildLayoutKeys() {
    std::array<LayoutKey, kLayoutTagCount> keys{};
    int n = 0;
    for (const LayoutObject& object : layoutObjects) {
        if (object.id == LayoutObjectId::Background) {
            keys[n++] = {object.id, LayoutProperty::Picture};
            continue;
        }
        for (LayoutProperty p : {LayoutProperty::Top, LayoutProperty::Left, LayoutProperty::Width,
                                 LayoutProperty::Height, LayoutProperty::BackColour})
            keys[n++] = {object.id, p};
        if (object.hasTextColour)
            keys[n++] = {object.id, LayoutProperty::TextColour};
    }
    Q_ASSERT(n == kLayoutTagCount);
    return keys;
}

// The four letters between the brackets, packed, for a binary search per line.
quint32 pack(const char* four) {
    return quint32(uchar(four[0])) << 24 | quint32(uchar(four[1])) << 16 |
           quint32(uchar(four[2])) << 8 | quint32(uchar(four[3]));
}

struct TagEntry {
    quint32 packed;
    RecognisedTag tag;
};

std::vector<TagEntry> buildTagIndex() {
    std::vector<TagEntry> index;
    for (int i = 0; i < kConfigTagCount; ++i) {
        index.push_back(
            {pack(kConfigTagTexts[i].data() + 1), {false, ConfigTag(i), {LayoutObjectId{}, {}}}});
    }
    for (LayoutKey key : layoutKeys()) {
        const QByteArray text = layoutTagText(key).toLatin1();
        index.push_back({pack(text.constData() + 1), {true, ConfigTag{}, key}});
    }
    std::sort(index.begin(), index.end(),
              [](const TagEntry& a, const TagEntry& b) { return a.packed < b.packed; });
    return index;
}

} // namespace

const std::array<LayoutObject, 9> layoutObjects = {{
    {LayoutObjectId::InstallButton, "CO1"_L1, "command1"_L1, "Command1"_L1, false},
    {LayoutObjectId::ExploreButton, "CO2"_L1, "command2"_L1, "Command2"_L1, false},
    {LayoutObjectId::ExtraButton, "CO4"_L1, "command4"_L1, "Command4"_L1, false},
    {LayoutObjectId::AppPicture, "PI1"_L1, "picture1"_L1, "Picture1"_L1, false},
    {LayoutObjectId::Logo, "PI9"_L1, "picture9"_L1, "Picture9"_L1, false},
    {LayoutObjectId::AppList, "LS2"_L1, "list2"_L1, "List2"_L1, true},
    {LayoutObjectId::TextPanel, "TX1"_L1, "text1"_L1, "Text1"_L1, true},
    {LayoutObjectId::Window, "FO1"_L1, "form1"_L1, "Form1"_L1, false},
    {LayoutObjectId::Background, QLatin1StringView(), QLatin1StringView(), "Form1"_L1, false},
}};

QLatin1StringView tagText(ConfigTag tag) {
    return kConfigTagTexts[size_t(tag)];
}

bool isApplicationTag(ConfigTag tag) {
    return tag >= ConfigTag::AppName;
}

const LayoutObject& layoutObject(LayoutObjectId id) {
    return layoutObjects[size_t(id)];
}

QString layoutTagText(LayoutKey key) {
    if (key.property == LayoutProperty::Picture)
        return u"[BKGR]"_s;
    return u'[' + QString(layoutObject(key.object).prefix) +
           QChar::fromLatin1(suffixLetter(key.property)) + u']';
}

const std::array<LayoutKey, kLayoutTagCount>& layoutKeys() {
    static const std::array<LayoutKey, kLayoutTagCount> keys = buildLayoutKeys();
    return keys;
}

std::optional<RecognisedTag> recogniseTag(const char* sixBytes) {
    if (sixBytes[0] != '[' || sixBytes[5] != ']')
        return std::nullopt;
    static const std::vector<TagEntry> index = buildTagIndex();
    const quint32 key = pack(sixBytes + 1);
    const auto it = std::lower_bound(index.begin(), index.end(), key,
                                     [](const TagEntry& e, quint32 k) { return e.packed < k; });
    if (it == index.end() || it->packed != key)
        return std::nullopt;
    return it->tag;
}
