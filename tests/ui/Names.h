// The objectNames the window tests press and read that do not say what they are, by what they are,
// with the captions the user sees; names such as btnNew or FindEdit are written as they stand.
#pragma once

// The windows.
inline constexpr const char *kGoToLineWindow = "Form4";
inline constexpr const char *kShortcutsWindow = "Form5";
inline constexpr const char *kSettingsWindow = "Form7";
inline constexpr const char *kBriefingWindow = "Form8";
inline constexpr const char *kOverviewWindow = "Form9";
inline constexpr const char *kUnitWindow = "Form10";
inline constexpr const char *kCrateWindow = "Form12";
inline constexpr const char *kDescriptionWindow = "Form13";
inline constexpr const char *kInitLineWindow = "Form14";
inline constexpr const char *kFileTypesWindow = "Form16";
inline constexpr const char *kStringtableWindow = "Form17";
inline constexpr const char *kAboutWindow = "aboutBox";
inline constexpr const char *kFindWindow = "FindDialog1";
inline constexpr const char *kReplaceWindow = "ReplaceDialog1";
inline constexpr const char *kCustomiseWindow = "SpeedBarCustomizeDialog";
// Their controls that more than one test file presses.
inline constexpr const char *kSettingsFileTypes = "Button4"; // Ассоциации файлов
inline constexpr const char *kStringtableAddRow = "Button1"; // Добавить
inline constexpr const char *kBriefingSave = "Button2";      // Сохранить как

// The main window's menus and their items.
inline constexpr const char *kNew = "N2";                 // Создать
inline constexpr const char *kRecentMenu = "N88";         // Открыть снова
inline constexpr const char *kPageSetup = "N9";           // Настройка печати
inline constexpr const char *kPrint = "N10";              // Печать
inline constexpr const char *kEditMenu = "N13";           // Правка
inline constexpr const char *kUndo = "N32";               // Назад
inline constexpr const char *kRedo = "N33";               // Вперед
inline constexpr const char *kToggleComment = "N72";      // Коммент/Анкоммент строки
inline constexpr const char *kFixLayout = "eng1";         // Рус <-> Eng
inline constexpr const char *kFixCaps = "a1";             // cAPS <-> Caps
inline constexpr const char *kFormatMenu = "N90";         // Форматирование
inline constexpr const char *kFormatAll = "N92";          // Автоформат всего
inline constexpr const char *kFormatSelection = "N93";    // Автоформат выделенного
inline constexpr const char *kFind = "N20";               // Найти
inline constexpr const char *kFindNext = "N78";           // Найти далее
inline constexpr const char *kReplace = "N21";            // Заменить
inline constexpr const char *kGoToLine = "N49";           // Перейти к строке ...
inline constexpr const char *kClearBookmarks = "N62";     // Очистить закладки
inline constexpr const char *kToolsMenu = "N23";          // Инструменты
inline constexpr const char *kTemplatesMenu = "N45";      // Вставить шаблон
inline constexpr const char *kBriefingWizard = "N64";     // Мастер брифингов
inline constexpr const char *kOverviewWizard = "N73";     // Мастер овервью
inline constexpr const char *kDescriptionWizard = "N76";  // Мастер Description.ext
inline constexpr const char *kUnitWizard = "N74";         // Мастер юнитов
inline constexpr const char *kCrateWizard = "N75";        // Мастер ящиков
inline constexpr const char *kClipboardMenu = "NCB";      // Clipboard.txt
inline constexpr const char *kOpenClipboardFile = "N44";  // Открыть
inline constexpr const char *kCopyClipboardFile = "N46";  // Копировать в буфер
inline constexpr const char *kRunGame = "N53";            // Запустить/Развернуть
inline constexpr const char *kCustomiseBar = "N80";       // Настроить
inline constexpr const char *kLargeButtons = "N84";       // Большие иконки
inline constexpr const char *kSmallButtons = "N85";       // Маленькие иконки
inline constexpr const char *kStreamSelection = "N65";    // Нормальный
inline constexpr const char *kColumnSelection = "N66";    // Блочный
inline constexpr const char *kWordWrap = "N54";           // Перенос по словам
inline constexpr const char *kHighlighting = "N77";       // Подсветка синтаксиса
inline constexpr const char *kLineNumbers = "N4";         // Номер строки
inline constexpr const char *kShowBar = "N52";            // Тулбар
inline constexpr const char *kShowCommandPanel = "N36";   // Панель комманд
inline constexpr const char *kSettings = "N40";           // Настройки
inline constexpr const char *kShortcuts = "N51";          // Горячие клавиши
inline constexpr const char *kAbout = "N42";              // О программе
// Закладки: set 0 to 9, go to 0 to 9.
inline constexpr const char *kSetBookmark[] = {"N01", "N110", "N210", "N310", "N410", "N510", "N61", "N71", "N81", "N91"};
inline constexpr const char *kGoToBookmark[] = {"g0", "g1", "g2", "g3", "g4", "g5", "g6", "g7", "g8", "g9"};

// The editor's pop-up menu (the stringtable row dialog has one of the same name).
inline constexpr const char *kCut = "N26";                // Вырезать
inline constexpr const char *kCopy = "N27";               // Копировать
inline constexpr const char *kDelete = "N29";             // Удалить
inline constexpr const char *kPopupFixLayout = "Eng2";    // Рус <-> Eng
inline constexpr const char *kPopupFixCaps = "cAPSCaps1"; // cAPS <-> Caps
inline constexpr const char *kPopupToggleComment = "N69"; // Коммент/Анкоммент строки
inline constexpr const char *kSeparator = "N68";          // Вставить разделитель
inline constexpr const char *kJumpToBracket = "N89";      // Перейти в начало/конец блока
inline constexpr const char *kCommandHelp = "N79";        // Инфо о команде

// The speed bar and the main window's parts.
inline constexpr const char *kBarSaveAndExit = "SNE";
inline constexpr const char *kBarUnitWizard = "ToolButton5";
inline constexpr const char *kCommandPanel = "Panel1";
inline constexpr const char *kPanelSplitter = "Splitter1";
inline constexpr const char *kReferenceTree = "ComList";
