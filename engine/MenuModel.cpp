#include "engine/MenuModel.h"

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

const std::string& directoryOf(const DataDirectories& dirs, FileListKind kind) {
    switch (kind) {
        case FileListKind::languages: return dirs.language;
        case FileListKind::layouts: return dirs.layouts;
        case FileListKind::tileSets: return dirs.tileSets;
        case FileListKind::backgrounds: return dirs.background;
        default: return dirs.sounds;
    }
}

// A file list that follows its NONE item and a separator (sounds, music, background).
MenuItem listWithNone(const std::string& title, const Settings& settings,
                      const LanguageTable& language, const FileLists& lists, FileListKind kind,
                      const std::string& current) {
    const FileListRange& range = fileListRange(kind);
    MenuItem menu = popup(title);
    menu.items.push_back(item(language.NONE, range.base, current.empty()));
    menu.items.push_back(separator());
    appendFileItems(menu, fileListOf(lists, kind), range.firstListed, current,
                    settings.menuPageSize, language.MORE);
    return menu;
}

MenuItem listMenu(const std::string& title, const Settings& settings,
                  const LanguageTable& language, const FileLists& lists, FileListKind kind,
                  const std::string& current) {
    MenuItem menu = popup(title);
    appendFileItems(menu, fileListOf(lists, kind), fileListRange(kind).firstListed, current,
                    settings.menuPageSize, language.MORE);
    return menu;
}

MenuItem gameMenu(const Settings& settings, const LanguageTable& language) {
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

MenuItem optionsMenu(const Settings& settings, const LanguageTable& language,
                     const FileLists& lists) {
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
    menu.items.push_back(listMenu(language.LANGUAGE, settings, language, lists,
                                  FileListKind::languages, settings.Language));
    menu.items.push_back(item(language.CONFIG, command::config));
    return menu;
}

MenuItem soundsMenu(const Settings& settings, const LanguageTable& language,
                    const FileLists& lists) {
    MenuItem menu = popup(language.SOUNDS);
    menu.items = {
        listWithNone(language.CHANGE_MUSIC, settings, language, lists, FileListKind::music,
                     settings.Music),
        listWithNone(language.CHANGE_SOUND1, settings, language, lists, FileListKind::sound1,
                     settings.Sound1),
        listWithNone(language.CHANGE_SOUND2, settings, language, lists, FileListKind::sound2,
                     settings.Sound2),
        listWithNone(language.CHANGE_SOUND3, settings, language, lists, FileListKind::sound3,
                     settings.Sound3),
        item(language.USE_SOUNDS, command::useSounds, on(settings.SoundEffects)),
    };
    return menu;
}

MenuItem graphicsMenu(const Settings& settings, const LanguageTable& language,
                      const FileLists& lists) {
    MenuItem menu = popup(language.GRAPHICS);
    menu.items.push_back(listMenu(language.TILESET, settings, language, lists,
                                  FileListKind::tileSets, settings.TileSet));
#if TAVREK_3D
    if (on(settings.view3D))
        menu.items.push_back(item(language.USE_TEXTURES, command::useTextures,
                                  on(settings.Textures)));
    else
#endif
        menu.items.push_back(listWithNone(language.BACKGROUND, settings, language, lists,
                                          FileListKind::backgrounds, settings.Background));
    menu.items.push_back(item(language.CHANGE_COLORS, command::changeColors));
    return menu;
}

MenuItem layoutMenu(const Settings& settings, const LanguageTable& language,
                    const FileLists& lists) {
    MenuItem menu = popup(language.LAYOUT);
    menu.items = {item(language.LOAD_LAYOUT, command::loadLayout),
                  item(language.SAVE_LAYOUT, command::saveLayout),
                  item(language.HALL_OF_FAME, command::hallOfFame), separator()};
    appendFileItems(menu, fileListOf(lists, FileListKind::layouts),
                    fileListRange(FileListKind::layouts).firstListed, settings.Layout,
                    settings.menuPageSize, language.MORE);
    menu.items.push_back(separator());
    menu.items.push_back(
        item(language.RANDOM_LAYOUT, command::randomLayout, settings.Layout == "RANDOM.TVL"));
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
    std::vector<MenuItem> bar;
    bar.push_back(gameMenu(settings, language));
    bar.push_back(optionsMenu(settings, language, lists));
    if (withSounds) bar.push_back(soundsMenu(settings, language, lists));
    bar.push_back(graphicsMenu(settings, language, lists));
    bar.push_back(layoutMenu(settings, language, lists));
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
        target.items.push_back(
            item(entry.label, static_cast<CommandId>(first + index), entry.name == current));
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
