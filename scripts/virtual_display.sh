# Sourced, not run: a virtual X display of the script's own. Xvfb picks a free number and
# writes it once it takes clients (GAME_DISPLAY=N asks for :N instead); then display=:N is
# set and xvfb holds the server's pid for the caller's clean-up. The caller sets scratch, a
# folder of its own.
if [ -n "${GAME_DISPLAY:-}" ]; then
    Xvfb ":$GAME_DISPLAY" -displayfd 1 -screen 0 800x800x24 -nolisten tcp \
        >"$scratch/display" 2>/dev/null &
else
    Xvfb -displayfd 1 -screen 0 800x800x24 -nolisten tcp >"$scratch/display" 2>/dev/null &
fi
xvfb=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || { echo "Xvfb gave no display number" >&2; exit 1; }
display=:$(head -n 1 "$scratch/display")
