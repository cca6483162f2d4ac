#pragma once

#include <array>
#include <string_view>

namespace qv {

// The help topics of the windows: the help key (F1) opens keyTopic, the window's help button opens
// buttonTopic (0 where the window has no help button) and its menu item "&Hilfe benutzen" opens
// menuTopic, or the button's topic where menuTopic is 0.
struct WindowHelp {
    const char* formName;
    int keyTopic;
    int buttonTopic;
    int menuTopic = 0;
};

inline constexpr int kHelpContents = 1001;

inline constexpr std::array<WindowHelp, 24> WindowHelpTopics = {{
    {"FAuswertung", 1010, 1002},
    {"FStart", 1002, 0},
    {"FEingabe", 1008, 1008},
    {"FTippcenter", 1009, 1009, 1010},
    {"FAnalyse", 1013, 1013},
    {"FStatistik1", 10112, 1012},
    {"FChart1", 1011, 1011},
    {"FOptionen", 1011, 1011},
    {"FNueberK", 1011, 1011},
    {"FKal", 1011, 0},
    {"FInfo", 1011, 0},
    {"FBrowser", 1011, 0},
    {"FUpdate", 1011, 0, 1017},
    {"FQlinks", 1010, 0},
    {"FGewinnzahlen", 1017, 1017},
    {"FDruck", 1150, 0},
    {"FDetail", 1160, 0},
    {"FAbbild", 1100, 0},
    {"FEingabe2", 1014, 0},
    {"FDetail2", 1015, 0},
    {"FDetail1", 1016, 0},
    {"FGewinnchancen", 1018, 0},
    {"FRueckblick", 1019, 0},
    {"FSysteme", 1190, 1190},
}};

// The topic pages the program brings; every number above has one.
inline constexpr std::array<int, 20> HelpTopicNumbers = {1001, 1002, 1008,  1009, 1010, 1011, 1012, 1013, 1014, 1015,
                                                         1016, 1017, 10112, 1018, 1019, 1100, 1150, 1160, 1180, 1190};

// The help of a window by its form name; topics 0 when it has none.
constexpr WindowHelp HelpOf(std::string_view formName) {
    for (const WindowHelp& help : WindowHelpTopics) {
        if (formName == help.formName) {
            return help;
        }
    }
    return {"", 0, 0, 0};
}

// The topic of a window's help button, and of its menu item "&Hilfe benutzen"; the contents where the
// window names none.
constexpr int ButtonHelpTopic(const WindowHelp& help) {
    const int topic = help.buttonTopic != 0 ? help.buttonTopic : help.keyTopic;
    return topic != 0 ? topic : kHelpContents;
}
constexpr int MenuHelpTopic(const WindowHelp& help) {
    return help.menuTopic != 0 ? help.menuTopic : ButtonHelpTopic(help);
}

} // namespace qv
