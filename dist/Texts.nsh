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

LangString WelcomeText ${LANG_ENGLISH} "Setup will install Tavrek, a Mahjong solitaire game, for you alone, in your own programs folder: it needs no administrator rights.$\r$\n$\r$\nClick Next to continue."
LangString WelcomeText ${LANG_FRENCH} "Ce programme va installer Tavrek, un jeu de Mahjong solitaire, pour vous seul, dans votre propre dossier de programmes : aucun droit d'administrateur n'est nécessaire.$\r$\n$\r$\nCliquez sur Suivant pour continuer."
LangString WelcomeText ${LANG_GERMAN} "Dieses Programm installiert Tavrek, ein Mahjong-Solitärspiel, nur für Sie in Ihren eigenen Programmordner: Administratorrechte sind nicht nötig.$\r$\n$\r$\nKlicken Sie auf Weiter, um fortzufahren."
LangString WelcomeText ${LANG_SPANISH} "Este programa instalará Tavrek, un solitario de Mahjong, solo para usted, en su propia carpeta de programas: no necesita derechos de administrador.$\r$\n$\r$\nPulse Siguiente para continuar."
LangString WelcomeText ${LANG_ITALIAN} "Questo programma installerà Tavrek, un solitario Mahjong, solo per voi, nella vostra cartella dei programmi: non servono i diritti di amministratore.$\r$\n$\r$\nFate clic su Avanti per continuare."
