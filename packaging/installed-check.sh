# Run as root on a machine where only the package (and what it declares) was installed:
# the programs run from PATH, nothing is missing, the desktop files and manual pages are in
# place, and removing the package leaves none of its files behind.
set -e
export HOME=/root
for program in dialbook orvak-dialbook orvak-handset-sim; do
  command -v "$program"
  if ldd "/usr/bin/$program" | grep 'not found'; then exit 1; fi
done
dialbook --help | head -n 1
dialbook --simulate info
orvak-handset-sim --help | head -n 1
orvak-dialbook --version
QT_QPA_PLATFORM=offscreen orvak-dialbook --simulate --screenshots /tmp/shots | tail -n 1
test -s /tmp/shots/7-phonebook-received.png
test -f /usr/share/applications/orvak-dialbook.desktop
test -f /usr/share/metainfo/com.orvak.dialbook.metainfo.xml
test -f /usr/share/icons/hicolor/scalable/apps/orvak-dialbook.svg
test -f /usr/share/icons/hicolor/48x48/apps/orvak-dialbook.png
test -f /usr/share/icons/hicolor/256x256/apps/orvak-dialbook.png
test -f /usr/lib/udev/rules.d/70-orvak-dialbook.rules
test -f "/usr/share/orvak-dialbook/Sample Images/beach.jpg"
test -f /usr/share/orvak-dialbook/translations/dialbook_de.qm
# The language follows LANGUAGE; the translations are built into the program.
if LANGUAGE=de dialbook show /nonexistent.opbk 2>&1 | grep -q '^Fehler:'; then echo "dialbook: German"; else exit 1; fi
# Reaching a CardDAV server over TLS needs Qt's TLS backend: without it an https address fails
# before any connection is tried.
umask 077
echo not-a-password > /tmp/password
if LANGUAGE=C dialbook addressbooks https://127.0.0.1:9/ --user ana --password-file /tmp/password 2>&1 |
    grep -q 'Connection refused'; then echo "dialbook: TLS backend"; else exit 1; fi
apt-get install -y -qq --no-install-recommends man-db >/dev/null
man -P cat dialbook | grep -q 'dialbook \[--simulate\] COMMAND'
echo "man dialbook: shown"
dpkg -L orvak-dialbook > /tmp/package-files
apt-get remove -y -qq orvak-dialbook >/dev/null
left=0
while read -r path; do
  if [ -f "$path" ] || { [ -d "$path" ] && echo "$path" | grep -q orvak; }; then
    echo "left behind: $path"
    left=1
  fi
done < /tmp/package-files
[ "$left" = 0 ]
echo "removed: nothing left behind"
