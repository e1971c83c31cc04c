# shellcheck shell=bash
# The Debian mirror this machine installs its own release from, read from its
# apt sources when asked, so that no mirror is written into the project.

# debian_mirror [ETC]: prints the first URI of the apt sources under ETC (by
# default /etc) that serves this machine's release (VERSION_CODENAME of
# ETC/os-release) itself: not its -security or -updates suites, which another
# archive or another layout may serve. Reads the deb822 files
# (sources.list.d/*.sources) and the one-line ones (sources.list,
# sources.list.d/*.list). Fails, printing nothing, when none does.
debian_mirror() {
  local etc=${1:-/etc} codename uri
  # shellcheck source=/dev/null
  codename=$(. "$etc/os-release" 2>/dev/null && echo "${VERSION_CODENAME:-}")
  [ -n "$codename" ] || return 1
  uri=$(
    {
      # deb822: one stanza a paragraph; a stanza with "Enabled: no" is off.
      for f in "$etc"/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk -v want="$codename" 'BEGIN { RS = ""; FS = "\n" }
          {
            types = ""; uris = ""; suites = ""; enabled = "yes"
            for (i = 1; i <= NF; i++) {
              if ($i ~ /^#/) continue
              split($i, kv, ":[ \t]*")
              key = tolower(kv[1]); value = substr($i, length(kv[1]) + 2)
              gsub(/^[ \t]+|[ \t]+$/, "", value)
              if (key == "types") types = value
              else if (key == "uris") uris = value
              else if (key == "suites") suites = value
              else if (key == "enabled") enabled = tolower(value)
            }
            if (enabled == "no" || (" " types " ") !~ / deb /) next
            if ((" " suites " ") !~ (" " want " ")) next
            split(uris, each, /[ \t]+/)
            print each[1]
          }' "$f"
      done
      # One-line: deb [options] URI SUITE COMPONENT...
      for f in "$etc/apt/sources.list" "$etc"/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        awk -v want="$codename" '$1 == "deb" {
            i = 2
            if ($i ~ /^\[/) while (i <= NF && $i !~ /\]$/) i++
            if ($i ~ /^\[/ || $i ~ /\]$/) i++
            if ($(i + 1) == want) print $i
          }' "$f"
      done
    } | head -n 1
  )
  [ -n "$uri" ] || return 1
  printf '%s\n' "${uri%/}"
}
