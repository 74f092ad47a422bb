#include "shell/main_menu.h"

#include "text/catalogue.h"

namespace shell {
namespace {

MenuEntry Document(std::string name, int captionItem, std::string path, int16_t choice) {
    MenuEntry entry;
    entry.name = std::move(name);
    entry.captionItem = captionItem;
    entry.document = std::move(path);
    entry.menuChoice = choice;
    return entry;
}

MenuEntry Submenu(std::string name, int captionItem, bool enabled,
                  std::vector<MenuEntry> children) {
    MenuEntry entry;
    entry.name = std::move(name);
    entry.captionItem = captionItem;
    entry.enabledAtStart = enabled;
    entry.children = std::move(children);
    return entry;
}

MenuEntry Program(int item) {
    MenuEntry entry;
    entry.name = "mProgram" + std::to_string(item);
    entry.captionItem = item;
    entry.menuChoice = static_cast<int16_t>(item);
    entry.program = item;
    return entry;
}

MenuEntry NeverEnabled(int item) {
    MenuEntry entry;
    entry.name = "mProgram" + std::to_string(item);
    entry.captionItem = item;
    entry.enabledAtStart = false;
    entry.neverEnabled = true;
    return entry;
}

std::vector<MenuEntry> BuildMenu() {
    MenuEntry info104 = Document("mInfo104", 0, "\\Doc\\G-J-000.rtf", 104);
    info104.enabledAtStart = false;
    MenuEntry about;
    about.name = "mAbout";
    MenuEntry exit;
    exit.name = "mExit";
    exit.captionItem = 30;
    return {
        Submenu("mInfo", 10, true,
                {
                    Document("mFirma", 11, "\\DOC\\ZRV-r-1-1-1.rtf", 11),
                    Document("mInfo12", 12, "\\Doc\\ZRV-r-1-1-3.rtf", 12),
                    Document("mInfo13", 13, "\\Doc\\ZRV-r-1-1-4.rtf", 13),
                    Submenu("mInfo14", 14, false,
                            {
                                Document("mInfo141", 41, "\\Doc\\ZRV-r-5-1-1.rtf", 141),
                                Document("mInfo142", 42, "\\Doc\\1-1-2-K-ZH.rtf", 142),
                            }),
                    info104,
                    Submenu("mInfo15", 15, false,
                            {
                                Document("mInfo151", 51, "\\DOC\\O-ZH-3-r.rtf", 151),
                                Document("mInfo152", 52, "\\DOC\\O-ZH-1-r.rtf", 152),
                                Document("mInfo153", 0, "\\DOC\\O-ZH-2-r.rtf", 153),
                            }),
                    Submenu("mInfo16", 0, false,
                            {
                                Document("mInfo161", 0, "\\DOC\\DZ-1-r.rtf", 161),
                                Document("mInfo162", 0, "\\DOC\\DZ-2-r.rtf", 162),
                                Document("mInfo163", 0, "\\DOC\\DZ-3-r.rtf", 163),
                            }),
                    Submenu("mInfo17", 0, false,
                            {
                                Document("mInfo171", 0, "\\DOC\\dpr-Vved-A.rtf", 171),
                            }),
                }),
        Submenu("mProgram", 20, true,
                {Program(21), Program(22), Program(23), Program(24), Program(25), NeverEnabled(26),
                 NeverEnabled(27)}),
        about,
        exit,
    };
}

}  // namespace

const std::vector<MenuEntry>& MainMenu() {
    static const std::vector<MenuEntry> menu = BuildMenu();
    return menu;
}

std::string MenuCaption(const MenuEntry& entry, std::string_view captionList) {
    if (entry.captionItem > 0) return text::GetListItem(captionList, entry.captionItem);
    return text::FormText("frmMDI", entry.name);
}

std::string MainWindowCaption(int major, int minor, int revision) {
    return "Zorvek from 01.07.03  (v. " + std::to_string(major) + "." + std::to_string(minor) +
           "." + std::to_string(revision) + ")";
}

}  // namespace shell
