#include "game/MenuModel.h"

#include "files/DataDirectories.h"
#include "files/LanguageTable.h"
#include "files/Settings.h"

namespace {

MenuItem item(const std::string& text, CommandId id, bool checked = false) {
    MenuItem entry;
    entry.text = text;
    entry.command = id;
    entry.checked = checked;
    return entry;
}

MenuItem separator() {
    MenuItem entry;
    entry.kind = MenuItemKind::separator;
    return entry;
}

MenuItem popup(const std::string& text) {
    MenuItem entry;
    entry.kind = MenuItemKind::popup;
    entry.text = text;
    return entry;
}

bool on(uint8_t flag) { return flag == 1; }

// What every menu is built from.
struct MenuSources {
    const Settings& settings;
    const LanguageTable& language;
    const FileLists& lists;
};

const std::filesystem::path& directoryOf(const DataDirectories& dirs, FileListKind kind) {
    switch (kind) {
        case FileListKind::languages: return dirs.language;
        case FileListKind::layouts: return dirs.layouts;
        case FileListKind::tileSets: return dirs.tileSets;
        case FileListKind::backgrounds: return dirs.background;
        default: return dirs.sounds;
    }
}

// A file list that follows its NONE item and a separator (sounds, music, background).
void appendList(const MenuSources& from, MenuItem& menu, FileListKind kind,
                const std::string& current) {
    appendFileItems(menu, fileListOf(from.lists, kind), fileListRange(kind).firstListed, current,
                    from.settings.menuPageSize, from.language.MORE);
}

MenuItem listMenu(const MenuSources& from, const std::string& title, FileListKind kind,
                  const std::string& current) {
    MenuItem menu = popup(title);
    appendList(from, menu, kind, current);
    return menu;
}

MenuItem listWithNone(const MenuSources& from, const std::string& title, FileListKind kind,
                      const std::string& current) {
    MenuItem menu = popup(title);
    menu.items.push_back(item(from.language.NONE, fileListRange(kind).base, current.empty()));
    menu.items.push_back(separator());
    appendList(from, menu, kind, current);
    return menu;
}

MenuItem gameMenu(const MenuSources& from) {
    const Settings& settings = from.settings;
    const LanguageTable& language = from.language;
    MenuItem menu = popup(language.GAME);
    menu.items = {item(language.NEW_GAME, command::newGame),
                  item(language.RESTART_GAME, command::restartGame),
                  item(language.EASYMODE, command::easyMode, on(settings.EasyMode)),
                  item(language.AUTOPLAY, command::autoPlay),
                  separator(),
                  item(language.PAUSE_CHRONO, command::pauseChrono),
                  item(language.HINT, command::hint),
                  item(language.UNDO, command::undo),
                  separator(),
                  item(language.SAVE_GAME, command::saveGame),
                  item(language.LOAD_GAME, command::loadGame),
                  separator(),
                  item(language.EXIT, command::exitGame)};
    return menu;
}

MenuItem optionsMenu(const MenuSources& from) {
    const Settings& settings = from.settings;
    const LanguageTable& language = from.language;
    MenuItem menu = popup(language.OPTIONS);
#if TAVREK_3D
    menu.items.push_back(
        item(on(settings.view3D) ? language.GO2D : language.GO3D, command::switchView));
#endif
    menu.items.push_back(item(language.SHOW_CHRONO, command::showChrono, on(settings.ShowChrono)));
    menu.items.push_back(item(language.SHADOWS, command::shadows, on(settings.Shadows)));
    menu.items.push_back(
        item(language.CHANGE_CURSOR, command::changeCursor, on(settings.NewCursors)));
    menu.items.push_back(separator());
    menu.items.push_back(
        listMenu(from, language.LANGUAGE, FileListKind::languages, settings.Language));
    menu.items.push_back(item(language.CONFIG, command::config));
    return menu;
}

MenuItem soundsMenu(const MenuSources& from) {
    const Settings& settings = from.settings;
    const LanguageTable& language = from.language;
    MenuItem menu = popup(language.SOUNDS);
    menu.items = {
        listWithNone(from, language.CHANGE_MUSIC, FileListKind::music, settings.Music),
        listWithNone(from, language.CHANGE_SOUND1, FileListKind::sound1, settings.Sound1),
        listWithNone(from, language.CHANGE_SOUND2, FileListKind::sound2, settings.Sound2),
        listWithNone(from, language.CHANGE_SOUND3, FileListKind::sound3, settings.Sound3),
        item(language.USE_SOUNDS, command::useSounds, on(settings.SoundEffects)),
    };
    return menu;
}

MenuItem graphicsMenu(const MenuSources& from) {
    const Settings& settings = from.settings;
    const LanguageTable& language = from.language;
    MenuItem menu = popup(language.GRAPHICS);
    menu.items.push_back(listMenu(from, language.TILESET, FileListKind::tileSets, settings.TileSet));
#if TAVREK_3D
    if (on(settings.view3D))
        menu.items.push_back(item(language.USE_TEXTURES, command::useTextures,
                                  on(settings.Textures)));
    else
#endif
        menu.items.push_back(listWithNone(from, language.BACKGROUND, FileListKind::backgrounds,
                                          settings.Background));
    menu.items.push_back(item(language.CHANGE_COLORS, command::changeColors));
    return menu;
}

MenuItem layoutMenu(const MenuSources& from) {
    const Settings& settings = from.settings;
    const LanguageTable& language = from.language;
    MenuItem menu = popup(language.LAYOUT);
    menu.items = {item(language.LOAD_LAYOUT, command::loadLayout),
                  item(language.SAVE_LAYOUT, command::saveLayout),
                  item(language.HALL_OF_FAME, command::hallOfFame), separator()};
    appendList(from, menu, FileListKind::layouts, settings.Layout);
    menu.items.push_back(separator());
    menu.items.push_back(
        item(language.RANDOM_LAYOUT, command::randomLayout, settings.Layout == randomLayoutName));
    return menu;
}

MenuItem helpMenu(const LanguageTable& language) {
    MenuItem menu = popup(language.HELP);
    menu.items = {item(language.HELP_FILE, command::helpFile),
                  item(language.HELP_ABOUT, command::helpAbout)};
    return menu;
}

}  // namespace

FileList& fileListOf(FileLists& lists, FileListKind kind) {
    return lists[static_cast<size_t>(kind)];
}

const FileList& fileListOf(const FileLists& lists, FileListKind kind) {
    return lists[static_cast<size_t>(kind)];
}

void scanFileLists(FileLists& lists, const DataDirectories& dirs) {
    for (int k = 0; k < fileListKinds; ++k) {
        const auto kind = static_cast<FileListKind>(k);
        scanFileList(fileListOf(lists, kind), directoryOf(dirs, kind), fileListRange(kind).pattern);
    }
}

std::vector<MenuItem> buildMenuBar(const Settings& settings, const LanguageTable& language,
                                   const FileLists& lists, bool withSounds) {
    const MenuSources from{settings, language, lists};
    std::vector<MenuItem> bar;
    bar.push_back(gameMenu(from));
    bar.push_back(optionsMenu(from));
    if (withSounds) bar.push_back(soundsMenu(from));
    bar.push_back(graphicsMenu(from));
    bar.push_back(layoutMenu(from));
    bar.push_back(helpMenu(language));
    return bar;
}

void appendFileItems(MenuItem& menu, const FileList& list, int first, const std::string& current,
                     int pageSize, const std::string& moreText) {
    const int size = static_cast<int>(list.size());
    const int page = pageSize < 1 ? 1 : pageSize;
    int index = 0;
    auto appendEntry = [&](MenuItem& target) {
        const FileEntry& entry = list[static_cast<size_t>(index)];
        target.items.push_back(item(entry.label, static_cast<CommandId>(first + index), entry.name == current));
        ++index;
    };
    for (int remaining = size; remaining > page; remaining -= page) {
        MenuItem more = popup(moreText);
        for (int k = 0; k < page; ++k) appendEntry(more);
        menu.items.push_back(std::move(more));
    }
    while (index < size) appendEntry(menu);
}

const MenuItem* findMenuItem(const std::vector<MenuItem>& items, CommandId id) {
    for (const MenuItem& entry : items) {
        if (entry.kind == MenuItemKind::command && entry.command == id) return &entry;
        if (const MenuItem* inner = findMenuItem(entry.items, id)) return inner;
    }
    return nullptr;
}
