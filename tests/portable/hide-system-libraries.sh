# Run by test_portable inside a new mount namespace: hides the system's Qt,
# libzip and ICU, makes the disc folder read-only as a burnt disc is, and
# starts the disc's launcher the way its README.txt tells.
#   sh hide-system-libraries.sh DISC_FOLDER
set -e
for folder in /usr/lib/x86_64-linux-gnu/qt6 /usr/share/qt6; do
    [ -d "$folder" ] && mount -t tmpfs -o ro none "$folder"
done
for library in /usr/lib/x86_64-linux-gnu/libQt6* /usr/lib/x86_64-linux-gnu/libzip.so* \
    /usr/lib/x86_64-linux-gnu/libicu*; do
    [ -f "$library" ] && mount --bind /dev/null "$library"
done
mount --bind "$1" "$1"
mount -o remount,bind,ro "$1"
cd /
exec sh "$1/menu.sh"
