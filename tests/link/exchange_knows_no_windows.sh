#!/bin/sh
# The radio exchange stays free of windows, so the command-line tool and the fuzzers can use it:
# nothing under link/ or cli/ includes the window's code, the exchange library's files include no
# widget or message-box header, and a program built on the exchange library alone loads no
# widget library.
src=$1
exchange_only_program=$2
status=0
if grep -rn '#include "ui/' "$src/link" "$src/cli"; then
  echo "the lines above bring the window's code into link/ or cli/"
  status=1
fi
for f in "$src"/link/*.h "$src"/link/*.cpp; do
  case $(basename "$f") in programmers.* | D2XXUnit.* | programmer_status.*) continue ;; esac
  if grep -nE '#include [<"](prompt/|QtWidgets|Q(Widget|Dialog|MessageBox|Application|PushButton|Label)>)' "$f"; then
    echo "$f: the exchange library takes no windows"
    status=1
  fi
done
if ldd "$exchange_only_program" | grep -i widgets; then
  echo "$exchange_only_program, built on the exchange library alone, loads a widget library"
  status=1
fi
exit $status
