hint "Привет, мир";
_текст = "строка";
hintПривет = 1;
// комментарий
if (abs _x > 0) then {exitWith {}};
/* блок
   ещё */ hint format ["%1", _x];
hint "ёлка" + 'x'
_ё = «x»;
x—y €5
a😀b
