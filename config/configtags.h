#pragma once

#include <QLatin1StringView>
#include <QtGlobal>

#include <array>
#include <optional>

// The tags of config.ini. A tag is the first six characters of a line, matched
// exactly and case-sensitively: "[" + four characters + "]".

// The settings, categories and application fields.
enum class ConfigTag : quint8 {
    Title,                       // [TITL]
    WindowIcon,                  // [ICON]
    InstallButtonPicture,        // [IC1a]
    InstallButtonPressedPicture, // [IC1b]
    ExtraButtonPicture,          // [IC2a]
    ExtraButtonPressedPicture,   // [IC2b]
    IntroText,                   // [INTR]
    AboutText,                   // [ABOU]
    Language,                    // [LING], newer than the rest: written only when set
    CodePage,                    // [CODP], likewise
    CategoriesEnabled,           // [CATE]
    Category,                    // [CATG]
    AppName,                     // [NOME]
    AppDescription,              // [DESC]
    AppPicture,                  // [IMGN]
    AppInstallCaption,           // [INSC]
    AppInstallCommand,           // [COMM]
    AppFolder,                   // [ESAM]
    AppExtraCaption,             // [EXTN]
    AppExtraCommand,             // [EXTR]
    AppCategory,                 // [CATN]
};
inline constexpr int kConfigTagCount = 21;

QLatin1StringView tagText(ConfigTag tag);
bool isApplicationTag(ConfigTag tag);

// What a layout line sets on its object.
enum class LayoutProperty : quint8 {
    Top,        // T
    Left,       // L
    Width,      // W
    Height,     // H
    BackColour, // C
    TextColour, // F (only the list and the text panel)
    Picture,    // the window's background picture, [BKGR]
};

// The movable parts of the menu window, in the order the layout block lists them.
enum class LayoutObjectId : quint8 {
    InstallButton, // CO1, Command1
    ExploreButton, // CO2, Command2
    ExtraButton,   // CO4, Command4
    AppPicture,    // PI1, Picture1 (holds Picture5)
    Logo,          // PI9, Picture9 (holds Picture2)
    AppList,       // LS2, List2
    TextPanel,     // TX1, Text1
    Window,        // FO1, Form1
    Background,    // [BKGR], Form1's picture
};

struct LayoutObject {
    LayoutObjectId id;
    QLatin1StringView prefix;      // forms the tags: "[" + prefix + suffix + "]"
    QLatin1StringView objectName;  // how the designer names it
    QLatin1StringView controlName; // the control in the menu and designer windows
    bool hasTextColour;
};

// The nine objects of the layout section, in block order.
extern const std::array<LayoutObject, 9> layoutObjects;
inline constexpr int kLayoutControlCount = 7; // the objects before the window
inline constexpr int kLayoutTagCount = 43;

const LayoutObject& layoutObject(LayoutObjectId id);

struct LayoutKey {
    LayoutObjectId object;
    LayoutProperty property;
    friend bool operator==(LayoutKey, LayoutKey) = default;
};

// "[CO1T]" for {InstallButton, Top}; "[BKGR]" for the background.
QString layoutTagText(LayoutKey key);

// All 43 layout keys, in the order the layout block writes them.
const std::array<LayoutKey, kLayoutTagCount>& layoutKeys();

// What the first six bytes of a line are, if they are a tag at all.
struct RecognisedTag {
    bool isLayout;
    ConfigTag config; // when !isLayout
    LayoutKey layout; // when isLayout
};
std::optional<RecognisedTag> recogniseTag(const char* sixBytes);
