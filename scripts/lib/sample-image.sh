# Sourced by the screenshot and demo scripts: write_sample_image CLI OUT writes the sample
# channel file the virtual radio serves them: a U.S.A./Canada ARVEN holding calling and
# simplex frequencies, repeaters with their tones, airband, weather and broadcast stations and
# two DTMF memories, so a read fills every grid.
write_sample_image() {
  local cli=$1 out=$2
  local blank
  blank=$(mktemp)
  "$cli" new --type KK,0F --model ARVEN -o "$blank" || { rm -f "$blank"; return 1; }
  # label frequency step shift reverse tone ctcss dcs tone# ctcss# dcs# offset mode lockout
  # tx-frequency tx-step power name; one tab between fields.
  local channels dtmf
  channels=$(printf '%s\n' \
    "000	00145500000	0	0	0	0	0	0	08	08	000	000600000	0	0				CALLING" \
    "001	00146940000	0	2	0	1	0	0	12	08	000	000600000	0	0				CLUB RPT" \
    "002	00446000000	0	0	0	0	0	0	08	08	000	005000000	0	1				SIMPLEX" \
    "003	00162550000	0	0	0	0	0	0	08	08	000	000000000	0	0				WX" \
    "004	00147060000	0	1	0	1	0	0	13	08	000	000600000	0	0				RPT EAST" \
    "005	00442100000	5	1	0	0	1	0	08	18	000	005000000	0	0				UHF RPT" \
    "006	00146520000	0	0	0	0	0	0	08	08	000	000600000	0	0				NATIONAL" \
    "007	00223500000	0	0	0	0	0	0	08	08	000	001600000	0	0				220 CALL" \
    "010	00121500000	8	0	0	0	0	0	08	08	000	000000000	2	0				AIR EMRG" \
    "011	00162400000	8	0	0	0	0	0	08	08	000	000000000	0	0				WX2" \
    "012	00162475000	5	0	0	0	0	0	08	08	000	000000000	0	1				WX3" \
    "013	00096900000	B	0	0	0	0	0	08	08	000	000000000	1	0				FM RADIO" |
    sed 's/$/\r/')
  dtmf=$(printf '%s\n' "0	*7155512	PATCH" "1	#73	CLOSE" | sed 's/$/\r/')
  awk -v add="$channels" -v dtmf="$dtmf" '
    { print }
    /^__MEMORY DATA__/ { print add }
    /^__DTMF DATA__/ { print dtmf }' "$blank" >"$out"
  rm -f "$blank"
}
