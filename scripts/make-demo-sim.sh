#!/usr/bin/env bash
# Creates a fresh demo simulator folder: the package's six aircraft folders,
# each with an aircraft.cfg, and the empty preferences folder.
#   make-demo-sim.sh DIR     (DIR is emptied first)
set -euo pipefail
dir="${1:?usage: make-demo-sim.sh DIR}"
case "$(cd "$(dirname "$0")/.." && pwd)" in
  "$(realpath -m "$dir")"*) echo "make-demo-sim: refusing to write inside the source tree" >&2; exit 2 ;;
esac
rm -rf "$dir"
mkdir -p "$dir/Korvanta/Volaro" "$dir/Aircraft"

# Wing of each type, to its real size (feet, degrees): area span root_chord
# sweep (leading edge) apex_lon; the apex places the empty weight near 32 % MAC.
# Positions are feet forward of the datum. The load manager writes its four
# stations at fixed positions (forward hold 16.0, aft hold 0.0, business 26.0,
# economy 0.0), so the empty weight lies some 7 to 8 ft ahead of 0.0: the
# forward hold is ahead of it and the aft hold behind, as in the aircraft, and
# a full aft hold moves the centre of gravity aft.
a330_wing="3892.0 197.8 35.0 31.5"
a346_wing="4730.0 208.2 40.5 31.1"

# aircraft FOLDER TITLE TYPE VARIATION ENGINE_TYPE EMPTY_LB MAX_GROSS_LB EMPTY_CG PAX_B PAX_E FWD_LB AFT_LB
#          CREW_POS "WING" APEX_LON
aircraft() {
  local folder="$1" title="$2" type="$3" variation="$4" engines="$5" empty="$6" gross="$7"
  local cg="$8" business="$9" economy="${10}" forward="${11}" aft="${12}" crew="${13}"
  local area span root sweep
  read -r area span root sweep <<<"${14}"
  local apex="${15}"
  local out="$dir/Aircraft/$folder"
  mkdir -p "$out/model" "$out/panel" "$out/sound" "$out/texture"
  # Windows line ends, as the simulator's own files have.
  sed 's/$/\r/' > "$out/aircraft.cfg" <<CFG
[fltsim.0]
title=$title
sim=$folder
model=
panel=
sound=
texture=
kb_checklists=
kb_reference=
atc_id=F-VOLA
atc_airline=VOLARO
atc_flight_number=2
atc_heavy=1
atc_parking_types=GATE
atc_parking_codes=VOL
ui_manufacturer=Korvanta
ui_type=$type
ui_variation=$variation
description=$type with $engines engines. Payload and fuel are set with the configurator.

[General]
atc_type=$type
atc_model=$type
editable=1
performance=Cruise speed Mach 0.82

[WEIGHT_AND_BALANCE]
; weights in pounds, positions in feet from the reference datum
max_gross_weight=$gross
empty_weight=$empty
reference_datum_position=0.0, 0.0, 0.0
empty_weight_CG_position=$cg, 0.0, 0.0
CG_forward_limit=0.14
CG_aft_limit=0.39
empty_weight_pitch_MOI=22000000
empty_weight_roll_MOI=18000000
empty_weight_yaw_MOI=39000000
empty_weight_coupled_MOI=0
max_number_of_stations=50
station_load.0="170, $crew, -1.5, 4.0, Captain"
station_load.1="170, $crew, 1.5, 4.0, First Officer"
station_load.2="$forward,   16.0, 0.0, 0.0, Baggage"
station_load.3="$aft,   0.0, 0.0, 0.0, Cargo"
station_load.4="$business,   26.0, 0.0, 0.0, First"
station_load.5="$economy,  0.0, 0.0, 0.0, Coach"

[airplane_geometry]
wing_area=$area
wing_span=$span
wing_root_chord=$root
wing_dihedral=5.6
wing_incidence=2.5
wing_twist=-3.0
oswald_efficiency_factor=0.8
wing_winglets_flag=1
wing_sweep=$sweep
wing_pos_apex_lon=$apex
wing_pos_apex_vert=-3.0

[Electrical]
max_battery_voltage=28.0
generator_alternator_voltage=28.0
max_generator_alternator_amps=400.0
electric_always_available=0
flap_motor=0, 5, 17.0
gear_motor=0, 5, 17.0
autopilot=0, 5, 17.0
avionics_bus=0, 10, 17.0
fuel_transfer_pump=0, 5, 17.0

[Radios]
; Radio Type=availiable, standby frequency, has glide slope
Audio.1=1
Com.1=1, 1
Com.2=1, 1
Nav.1=1, 1, 1
Nav.2=1, 1, 0
Adf.1=1
Transponder.1=1
Marker.1=1

[fuel]
Center1=9.0, 0.0, 0.0, 11000.0, 0.0
LeftMain=-1.0, -30.0, 0.0, 11300.0, 0.0
RightMain=-1.0, 30.0, 0.0, 11300.0, 0.0
fuel_type=2
number_of_tank_selectors=1
electric_pump=1

[flight_tuning]
cruise_lift_scalar=1.0
parasite_drag_scalar=1.0
induced_drag_scalar=1.0
CFG
}

aircraft "Korvanta TEV A332GE"  "Korvanta A330-200 GE"  A330-200 "GE engines"  GE  264875 507000 8.0 3968 26950 20789 16799 94.0 "$a330_wing" 38.0
aircraft "Korvanta TEV A332RR"  "Korvanta A330-200 RR"  A330-200 "RR engines"  RR  264875 507000 8.0 3968 26950 20789 16799 94.0 "$a330_wing" 38.0
aircraft "Korvanta TEV A333GE"  "Korvanta A330-300 GE"  A330-300 "GE engines"  GE  267000 507000 7.5 0 0 0 0 104.0 "$a330_wing" 37.5
aircraft "Korvanta TEV A333RR"  "Korvanta A330-300 RR"  A330-300 "RR engines"  RR  267000 507000 7.5 0 0 0 0 104.0 "$a330_wing" 37.5
aircraft "Korvanta TEV A343CFM" "Korvanta A340-300 CFM" A340-300 "CFM engines" CFM 286150 608000 7.5 4960 40000 25200 20393 104.0 "$a330_wing" 37.5
aircraft "Korvanta TEV A346RR"  "Korvanta A340-600 RR"  A340-600 "RR engines"  RR  390220 837756 7.0 5952 55000 30000 20000 124.0 "$a346_wing" 39.0

echo "$dir"
