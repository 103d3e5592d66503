; The installer's and the uninstaller's own texts in the five languages the
; game speaks; the pages' standard texts come with NSIS.
LangString GameSection ${LANG_ENGLISH} "Tavrek (game and data)"
LangString GameSection ${LANG_FRENCH} "Tavrek (jeu et données)"
LangString GameSection ${LANG_GERMAN} "Tavrek (Spiel und Daten)"
LangString GameSection ${LANG_SPANISH} "Tavrek (juego y datos)"
LangString GameSection ${LANG_ITALIAN} "Tavrek (gioco e dati)"

LangString GameSectionText ${LANG_ENGLISH} "Tavrek and Tavrek Lite with their tile sets, layouts, backgrounds, sounds and languages, and their shortcuts in the Start menu."
LangString GameSectionText ${LANG_FRENCH} "Tavrek et Tavrek Lite avec leurs jeux de tuiles, dispositions, fonds, sons et langues, et leurs raccourcis dans le menu Démarrer."
LangString GameSectionText ${LANG_GERMAN} "Tavrek und Tavrek Lite mit Steinsätzen, Layouts, Hintergründen, Klängen und Sprachen, dazu ihre Verknüpfungen im Startmenü."
LangString GameSectionText ${LANG_SPANISH} "Tavrek y Tavrek Lite con sus juegos de fichas, disposiciones, fondos, sonidos e idiomas, y sus accesos directos en el menú Inicio."
LangString GameSectionText ${LANG_ITALIAN} "Tavrek e Tavrek Lite con i set di tessere, le disposizioni, gli sfondi, i suoni e le lingue, e i loro collegamenti nel menu Start."

LangString DesktopSection ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopSection ${LANG_FRENCH} "Raccourci sur le bureau"
LangString DesktopSection ${LANG_GERMAN} "Verknüpfung auf dem Desktop"
LangString DesktopSection ${LANG_SPANISH} "Acceso directo en el escritorio"
LangString DesktopSection ${LANG_ITALIAN} "Collegamento sul desktop"

LangString DesktopSectionText ${LANG_ENGLISH} "A shortcut to Tavrek on the desktop."
LangString DesktopSectionText ${LANG_FRENCH} "Un raccourci vers Tavrek sur le bureau."
LangString DesktopSectionText ${LANG_GERMAN} "Eine Verknüpfung zu Tavrek auf dem Desktop."
LangString DesktopSectionText ${LANG_SPANISH} "Un acceso directo a Tavrek en el escritorio."
LangString DesktopSectionText ${LANG_ITALIAN} "Un collegamento a Tavrek sul desktop."

LangString RunTavrek ${LANG_ENGLISH} "Start Tavrek"
LangString RunTavrek ${LANG_FRENCH} "Lancer Tavrek"
LangString RunTavrek ${LANG_GERMAN} "Tavrek starten"
LangString RunTavrek ${LANG_SPANISH} "Iniciar Tavrek"
LangString RunTavrek ${LANG_ITALIAN} "Avvia Tavrek"

LangString KeepPlayerFiles ${LANG_ENGLISH} "Keep your scores, saved games and settings for a later installation of Tavrek?"
LangString KeepPlayerFiles ${LANG_FRENCH} "Conserver vos scores, parties sauvegardées et réglages pour une prochaine installation de Tavrek ?"
LangString KeepPlayerFiles ${LANG_GERMAN} "Bestenlisten, gespeicherte Spiele und Einstellungen für eine spätere Installation von Tavrek behalten?"
LangString KeepPlayerFiles ${LANG_SPANISH} "¿Conservar sus puntuaciones, partidas guardadas y ajustes para una futura instalación de Tavrek?"
LangString KeepPlayerFiles ${LANG_ITALIAN} "Conservare punteggi, partite salvate e impostazioni per una futura installazione di Tavrek?"
