# SPDX-License-Identifier: MIT
# The chart engine's resource module for Kestrin: dialog templates (by name)
# and strings 3018-3038. Positions in dialog units of "MS Sans Serif" 8.
# Every option dialog has OK, Cancel and Help (3963) in a column on the right.

dialog "DLOG_ScatOpt" {
  caption "Scatter Data Labels"
  font "MS Sans Serif" 8
  size 210 66
  checkbox 8002 "&Show data labels" 7 7 140 10
  static 8013 "&Position:" 17 24 36 8
  combobox 8011 "" 55 22 90 80 vscroll
  static 8014 "&Format:" 17 42 36 8
  combobox 8012 "" 55 40 90 100 vscroll
  button IDOK "OK" 153 6 50 14 default
  button IDCANCEL "Cancel" 153 23 50 14
  button 3963 "&Help" 153 40 50 14
}

dialog "DLOG_SpecOpt" {
  caption "Data Labels"
  font "MS Sans Serif" 8
  size 210 66
  checkbox 8002 "&Show data labels" 7 7 140 10
  static 8013 "&Position:" 17 24 36 8
  combobox 8011 "" 55 22 90 80 vscroll
  static 8014 "&Format:" 17 42 36 8
  combobox 8012 "" 55 40 90 100 vscroll
  button IDOK "OK" 153 6 50 14 default
  button IDCANCEL "Cancel" 153 23 50 14
  button 3963 "&Help" 153 40 50 14
}

dialog "DLOG_BarOpt" {
  caption "Bar Data Labels"
  font "MS Sans Serif" 8
  size 210 94
  checkbox 8001 "Show &totals" 7 7 140 10
  checkbox 8002 "Show &values inside bars" 7 20 140 10
  checkbox 8003 "Show data &labels" 7 33 140 10
  static 8013 "&Position:" 17 50 36 8
  combobox 8011 "" 55 48 90 80 vscroll
  static 8014 "&Format:" 17 68 36 8
  combobox 8012 "" 55 66 90 100 vscroll
  button IDOK "OK" 153 6 50 14 default
  button IDCANCEL "Cancel" 153 23 50 14
  button 3963 "&Help" 153 40 50 14
}

dialog "DLOG_HistOpt" {
  caption "Histogram Data Labels"
  font "MS Sans Serif" 8
  size 210 80
  checkbox 8101 "&Show frequencies as percentages" 7 7 140 10
  checkbox 8102 "Show data &labels" 7 20 140 10
  static 8106 "&Position:" 17 37 36 8
  combobox 8104 "" 55 35 90 80 vscroll
  static 8107 "&Format:" 17 55 36 8
  combobox 8105 "" 55 53 90 100 vscroll
  button IDOK "OK" 153 6 50 14 default
  button IDCANCEL "Cancel" 153 23 50 14
  button 3963 "&Help" 153 40 50 14
}

dialog "DLOG_LineOpt" {
  caption "Line Data Labels"
  font "MS Sans Serif" 8
  size 210 80
  checkbox 8001 "Label the last point &only" 7 7 140 10
  checkbox 8002 "Show data &labels" 7 20 140 10
  static 8013 "&Position:" 17 37 36 8
  combobox 8011 "" 55 35 90 80 vscroll
  static 8014 "&Format:" 17 55 36 8
  combobox 8012 "" 55 53 90 100 vscroll
  button IDOK "OK" 153 6 50 14 default
  button IDCANCEL "Cancel" 153 23 50 14
  button 3963 "&Help" 153 40 50 14
}

dialog "DLOG_AreaOpt" {
  caption "Area Data Labels"
  font "MS Sans Serif" 8
  size 210 66
  checkbox 8001 "Show data &labels" 7 7 140 10
  static 8005 "&Position:" 17 24 36 8
  combobox 8003 "" 55 22 90 80 vscroll
  static 8006 "&Format:" 17 42 36 8
  combobox 8004 "" 55 40 90 100 vscroll
  button IDOK "OK" 153 6 50 14 default
  button IDCANCEL "Cancel" 153 23 50 14
  button 3963 "&Help" 153 40 50 14
}

dialog "DLOG_HiloOpt" {
  caption "High-Low Data Labels"
  font "MS Sans Serif" 8
  size 210 154
  checkbox 8003 "Show &open and close ticks" 7 7 140 10
  checkbox 8001 "Show data &labels" 7 20 140 10
  static 8006 "&Position and format:" 17 35 128 8
  combobox 8004 "" 17 45 128 80 vscroll
  combobox 8005 "" 17 61 128 100 vscroll
  groupbox 8007 "Label style" 17 79 128 68
  radio 8008 "Hi&gh and low" 25 91 100 10
  radio 8009 "High o&nly" 25 104 100 10
  radio 8010 "Open and &close" 25 117 100 10
  radio 8011 "&All four values" 25 130 100 10
  button IDOK "OK" 153 6 50 14 default
  button IDCANCEL "Cancel" 153 23 50 14
  button 3963 "&Help" 153 40 50 14
}

strings {
  3018 "Chart Options - Warning"
  3019 "Chart Options - Error"
  3020 "Chart Options"
  3021 "Chart Options - Question"
  3022 "Every series cannot be moved: at least one must stay on each axis."
  3023 "The moving average period must be at least 1 and less than the number of points."
  3024 "The polynomial order must be at least 1 and less than the number of points."
  3025 "Number of &intervals:"
  3026 "The number of intervals must be greater than 1."
  3027 "Histogram Intervals"
  3028 "Feeler length"
  3029 "Feeler bend"
  3030 "Feeler start"
  3031 "Ro&ws per part:"
  3032 "&Columns per part:"
  3033 "&Parts per page:"
  3034 "Ro&ws:"
  3035 "&Columns:"
  3036 "Every value must be greater than 0."
  3037 "Table Division"
  3038 "The number of legend entries was set to the largest allowed."
}

dialog "DLOG_SpecDisp" {
  caption "Display Options"
  font "MS Sans Serif" 8
  size 290 122
  checkbox 8003 "Show &grid" 7 7 106 10
  checkbox 8004 "Show a&xes" 7 20 106 10
  checkbox 8005 "Show &title" 7 33 106 10
  checkbox 8006 "Show l&egend" 7 46 106 10
  checkbox 8007 "Show data la&bels" 7 59 106 10
  checkbox 8021 "Show &markers" 7 72 106 10
  checkbox 8022 "Show ba&seline" 119 7 106 10
  checkbox 8023 "Show pea&ks" 119 20 106 10
  checkbox 8024 "Show &valleys" 119 33 106 10
  checkbox 8025 "Sm&ooth lines" 119 46 106 10
  checkbox 8026 "F&ill the area" 119 59 106 10
  static 8103 "&Position:" 17 88 40 8
  combobox 8101 "" 59 86 90 80 vscroll
  static 8104 "&Format:" 17 106 40 8
  combobox 8102 "" 59 104 90 100 vscroll
  button IDOK "OK" 233 6 50 14 default
  button IDCANCEL "Cancel" 233 23 50 14
  button 3963 "&Help" 233 40 50 14
  button 8001 "Select &All" 233 64 50 14
  button 8002 "C&lear All" 233 81 50 14
}

dialog "DLOG_HiloDisp" {
  caption "High-Low Display Options"
  font "MS Sans Serif" 8
  size 290 162
  checkbox 8011 "Show &grid" 7 7 106 10
  checkbox 8012 "Show a&xes" 7 20 106 10
  checkbox 8013 "Show &title" 7 33 106 10
  checkbox 8014 "Show l&egend" 7 46 106 10
  checkbox 8015 "Show data la&bels" 7 59 106 10
  checkbox 8017 "Show &open" 7 72 106 10
  checkbox 8018 "Show &close" 7 85 106 10
  checkbox 8021 "Show h&igh line" 7 98 106 10
  checkbox 8022 "Show lo&w line" 119 7 106 10
  checkbox 8024 "Show &range bars" 119 20 106 10
  checkbox 8025 "Show tic&ks" 119 33 106 10
  checkbox 8026 "Colour &up and down" 119 46 106 10
  checkbox 8027 "Show &volume" 119 59 106 10
  checkbox 8028 "&Show average" 119 72 106 10
  checkbox 8029 "Show sprea&d" 119 85 106 10
  static 8103 "&Position:" 17 110 40 8
  combobox 8101 "" 59 108 90 80 vscroll
  static 8104 "&Format:" 17 128 40 8
  combobox 8102 "" 59 126 90 100 vscroll
  radio 8030 "High a&nd low" 157 108 70 10
  radio 8031 "Each value" 157 121 70 10
  radio 8032 "Open and close" 157 134 70 10
  radio 8033 "All four values" 157 147 70 10
  button IDOK "OK" 233 6 50 14 default
  button IDCANCEL "Cancel" 233 23 50 14
  button 3963 "&Help" 233 40 50 14
  button 8001 "Select &All" 233 64 50 14
  button 8002 "C&lear All" 233 81 50 14
}

dialog "DLOG_ScatDisp" {
  caption "Scatter Display Options"
  font "MS Sans Serif" 8
  size 290 146
  checkbox 8011 "Show &grid" 7 7 106 10
  checkbox 8012 "Show a&xes" 7 20 106 10
  checkbox 8013 "Show &title" 7 33 106 10
  checkbox 8014 "Show l&egend" 7 46 106 10
  checkbox 8016 "Label the x &values" 7 59 106 10
  checkbox 8017 "Show data la&bels" 7 72 106 10
  checkbox 8021 "Show &markers" 7 85 106 10
  checkbox 8022 "&Connect the points" 7 98 106 10
  checkbox 8023 "Show &drop lines" 119 7 106 10
  checkbox 8024 "Show e&rror bars" 119 20 106 10
  checkbox 8025 "Show regre&ssion line" 119 33 106 10
  checkbox 8026 "Show &quadrants" 119 46 106 10
  checkbox 8027 "Show &origin" 119 59 106 10
  checkbox 8028 "Show x &zero line" 119 72 106 10
  checkbox 8029 "Show &y zero line" 119 85 106 10
  static 8103 "&Position:" 17 112 40 8
  combobox 8101 "" 59 110 90 80 vscroll
  static 8104 "&Format:" 17 130 40 8
  combobox 8102 "" 59 128 90 100 vscroll
  button IDOK "OK" 233 6 50 14 default
  button IDCANCEL "Cancel" 233 23 50 14
  button 3963 "&Help" 233 40 50 14
  button 8001 "Select &All" 233 64 50 14
  button 8002 "C&lear All" 233 81 50 14
}

dialog "DLOG_HistDisp" {
  caption "Histogram Display Options"
  font "MS Sans Serif" 8
  size 290 96
  checkbox 8003 "Show &grid" 7 7 106 10
  checkbox 8004 "Show a&xes" 7 20 106 10
  checkbox 8005 "Show &title" 7 33 106 10
  checkbox 8007 "Show data la&bels" 7 46 106 10
  checkbox 8021 "Show &normal curve" 119 7 106 10
  checkbox 8022 "Show &cumulative line" 119 20 106 10
  checkbox 8023 "Show &mean" 119 33 106 10
  checkbox 8024 "Show &outline" 119 46 106 10
  static 8103 "&Position:" 17 62 40 8
  combobox 8101 "" 59 60 90 80 vscroll
  static 8104 "&Format:" 17 80 40 8
  combobox 8102 "" 59 78 90 100 vscroll
  button IDOK "OK" 233 6 50 14 default
  button IDCANCEL "Cancel" 233 23 50 14
  button 3963 "&Help" 233 40 50 14
  button 8001 "Select &All" 233 64 50 14
  button 8002 "C&lear All" 233 81 50 14
}

dialog "DLOG_BarDisp" {
  caption "Bar Display Options"
  font "MS Sans Serif" 8
  size 290 162
  checkbox 8003 "Show &grid" 7 7 106 10
  checkbox 8004 "Show a&xes" 7 20 106 10
  checkbox 8005 "Show &title" 7 33 106 10
  checkbox 8006 "Show l&egend" 7 46 106 10
  checkbox 8007 "Show data la&bels" 7 59 106 10
  checkbox 8021 "H&orizontal bars" 7 72 106 10
  checkbox 8022 "&Stacked bars" 7 85 106 10
  checkbox 8024 "Sho&w totals" 7 98 106 10
  checkbox 8025 "Show o&utline" 7 111 106 10
  checkbox 8026 "&3D bars" 119 7 106 10
  checkbox 8027 "&Colour by value" 119 20 106 10
  checkbox 8028 "Show ta&rget line" 119 33 106 10
  checkbox 8029 "Show a&verage line" 119 46 106 10
  checkbox 8030 "Show perce&ntages" 119 59 106 10
  checkbox 8031 "Percentages &inside" 119 72 106 10
  checkbox 8032 "Show baseline" 119 85 106 10
  checkbox 8033 "Show error bars" 119 98 106 10
  checkbox 8034 "Show &median line" 119 111 106 10
  static 8103 "&Position:" 17 126 40 8
  combobox 8101 "" 59 124 90 80 vscroll
  static 8104 "&Format:" 17 144 40 8
  combobox 8102 "" 59 142 90 100 vscroll
  button IDOK "OK" 233 6 50 14 default
  button IDCANCEL "Cancel" 233 23 50 14
  button 3963 "&Help" 233 40 50 14
  button 8001 "Select &All" 233 64 50 14
  button 8002 "C&lear All" 233 81 50 14
}

dialog "DLOG_PieDisp" {
  caption "Pie Display Options"
  font "MS Sans Serif" 8
  size 290 102
  checkbox 8003 "Show &title" 7 7 106 10
  checkbox 8004 "Show l&egend" 7 20 106 10
  checkbox 8005 "Show &border" 7 33 106 10
  checkbox 8006 "&3D pie" 7 46 106 10
  checkbox 8007 "Explode &slices" 7 59 106 10
  checkbox 8008 "Show &feelers" 119 7 106 10
  checkbox 8010 "Show &values" 119 20 106 10
  checkbox 8011 "Show &percentages" 119 33 106 10
  checkbox 8009 "Values &inside the slices" 119 46 106 10
  button IDOK "OK" 233 6 50 14 default
  button IDCANCEL "Cancel" 233 23 50 14
  button 3963 "&Help" 233 40 50 14
  button 8001 "Select &All" 233 64 50 14
  button 8002 "C&lear All" 233 81 50 14
}

dialog "DLOG_3DDisp" {
  caption "3D Display Options"
  font "MS Sans Serif" 8
  size 290 104
  checkbox 8003 "Show &floor" 7 7 106 10
  checkbox 8004 "Show left &wall" 7 20 106 10
  checkbox 8005 "Show &back wall" 7 33 106 10
  checkbox 8006 "Show &x axis" 7 46 106 10
  checkbox 8007 "Show &y axis" 7 59 106 10
  checkbox 8008 "Show &z axis" 7 72 106 10
  checkbox 8009 "Show &title" 7 85 106 10
  checkbox 8010 "Show l&egend" 119 7 106 10
  checkbox 8011 "Show &shadows" 119 20 106 10
  checkbox 8012 "Show &grid on walls" 119 33 106 10
  checkbox 8013 "&Perspective" 119 46 106 10
  checkbox 8014 "Show &markers" 119 59 106 10
  checkbox 8015 "&Outline the bars" 119 72 106 10
  checkbox 8016 "&Right-angle axes" 119 85 106 10
  button IDOK "OK" 233 6 50 14 default
  button IDCANCEL "Cancel" 233 23 50 14
  button 3963 "&Help" 233 40 50 14
  button 8001 "Select &All" 233 64 50 14
  button 8002 "C&lear All" 233 81 50 14
}

dialog "DLOG_3DScDisp" {
  caption "3D Scatter Display Options"
  font "MS Sans Serif" 8
  size 290 112
  checkbox 8003 "Show &floor" 7 7 106 10
  checkbox 8004 "Show left &wall" 7 20 106 10
  checkbox 8005 "Show &back wall" 7 33 106 10
  checkbox 8006 "Show &x axis" 7 46 106 10
  checkbox 8007 "Show &y axis" 7 59 106 10
  checkbox 8008 "Show &z axis" 7 72 106 10
  checkbox 8009 "Show &title" 7 85 106 10
  checkbox 8010 "Show &surface mesh" 7 98 106 10
  checkbox 8021 "Show l&egend" 119 7 106 10
  checkbox 8022 "Show &drop lines" 119 20 106 10
  checkbox 8023 "Show &markers" 119 33 106 10
  checkbox 8024 "&Perspective" 119 46 106 10
  checkbox 8025 "Show shad&ows" 119 59 106 10
  checkbox 8026 "Show &grid on walls" 119 72 106 10
  checkbox 8027 "&Right-angle axes" 119 85 106 10
  checkbox 8134 "Show &colour scale" 119 98 106 10
  button IDOK "OK" 233 6 50 14 default
  button IDCANCEL "Cancel" 233 23 50 14
  button 3963 "&Help" 233 40 50 14
  button 8001 "Select &All" 233 64 50 14
  button 8002 "C&lear All" 233 81 50 14
}

dialog "DLOG_DisplayOptions2D" {
  caption "2D Display Options"
  font "MS Sans Serif" 8
  size 290 104
  checkbox 8001 "Show &title" 7 7 106 10
  checkbox 8002 "Show l&egend" 7 20 106 10
  checkbox 8003 "Show &x axis" 7 33 106 10
  checkbox 8004 "Show &y axis" 7 46 106 10
  checkbox 8005 "Show &grid" 7 59 106 10
  checkbox 8006 "Show &minor grid" 7 72 106 10
  checkbox 8007 "Show &border" 7 85 106 10
  checkbox 8008 "Show ma&rkers" 119 7 106 10
  checkbox 8009 "Show ba&seline" 119 20 106 10
  checkbox 8010 "Show t&ick marks" 119 33 106 10
  checkbox 8011 "Sh&ow axis titles" 119 46 106 10
  checkbox 8012 "Show &footnote" 119 59 106 10
  checkbox 8013 "Show &data table" 119 72 106 10
  checkbox 8014 "Show shado&ws" 119 85 106 10
  button IDOK "OK" 233 6 50 14 default
  button IDCANCEL "Cancel" 233 23 50 14
  button 3963 "&Help" 233 40 50 14
  button 8019 "Select &All" 233 64 50 14
  button 8020 "C&lear All" 233 81 50 14
}

dialog "DLOG_BarDisplayOptions" {
  caption "Bar Display Options"
  font "MS Sans Serif" 8
  size 204 104
  checkbox 8001 "Show data la&bels" 7 7 128 10
  checkbox 8002 "Labels &inside the bars" 17 20 120 10
  static 8007 "&Position:" 17 37 36 8
  combobox 8005 "" 55 35 84 80 vscroll
  button 8006 "Number &Format..." 55 53 84 14
  checkbox 8003 "Show &totals" 7 74 120 10
  checkbox 8004 "Show &outline" 7 87 120 10
  button IDOK "OK" 147 6 50 14 default
  button IDCANCEL "Cancel" 147 23 50 14
  button 3963 "&Help" 147 40 50 14
}

dialog "DLOG_ScaleRange" {
  caption "Scale Range"
  font "MS Sans Serif" 8
  size 206 112
  radio 8001 "&Automatic" 7 7 80 10
  radio 8002 "&Manual" 7 20 80 10
  static 8003 "&From:" 17 38 30 8
  edit 8006 "" 49 36 80 12
  static 8004 "&To:" 17 56 30 8
  edit 8005 "" 49 54 80 12
  radio 8007 "&Extend to round values" 17 72 110 10
  radio 8008 "&Use the values exactly" 17 85 110 10
  checkbox 8009 "&Reverse the axis" 7 98 90 10
  checkbox 8010 "&Logarithmic" 100 98 90 10
  button IDOK "OK" 149 6 50 14 default
  button IDCANCEL "Cancel" 149 23 50 14
  button 3963 "&Help" 149 40 50 14
}

dialog "DLOG_NumberFormat" {
  caption "Number Format"
  font "MS Sans Serif" 8
  size 196 112
  static IDC_STATIC "&Formats:" 7 7 80 8
  listbox 8000 "" 7 17 124 72 vscroll notify border
  static IDC_STATIC "Sample:" 7 94 30 8
  static 8001 "" 39 94 92 8
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
}

dialog "DLOG_2DGridLines" {
  caption "Grid Lines"
  font "MS Sans Serif" 8
  size 270 150
  checkbox 8001 "&Major grid lines" 7 7 100 10
  radio 8002 "&Solid" 17 21 80 10
  radio 8003 "&Dashed" 17 33 80 10
  radio 8004 "D&otted" 17 45 80 10
  radio 8005 "Dash-do&t" 17 57 80 10
  radio 8006 "Dash-dot-dot" 17 69 80 10
  radio 8007 "&At every tick" 17 85 90 10 group
  radio 8008 "&Fixed count" 17 98 90 10
  static 8009 "&Lines:" 27 114 30 8
  edit 8010 "" 59 112 30 12
  checkbox 8021 "M&inor grid lines" 112 7 100 10
  radio 8022 "Solid" 122 21 80 10
  radio 8023 "Dashed" 122 33 80 10
  radio 8024 "Dotted" 122 45 80 10
  radio 8025 "Dash-dot" 122 57 80 10
  radio 8026 "Dash-dot-dot" 122 69 80 10
  static 8027 "Lines &between:" 122 87 52 8
  edit 8028 "" 176 85 30 12
  button IDOK "OK" 213 6 50 14 default
  button IDCANCEL "Cancel" 213 23 50 14
  button 3963 "&Help" 213 40 50 14
}

dialog "DLOG_3DGridLines" {
  caption "3D Grid Lines"
  font "MS Sans Serif" 8
  size 206 151
  radio 8100 "At every &tick" 7 7 90 10
  radio 8101 "&Fixed count" 7 20 90 10
  static 8102 "&Lines:" 17 36 30 8
  edit 8103 "" 49 34 30 12
  groupbox IDC_STATIC "Walls" 7 52 134 92
  checkbox 8104 "Floor, &x direction" 13 64 120 10
  checkbox 8105 "Floor, &z direction" 13 77 120 10
  checkbox 8106 "Left wall, &y direction" 13 90 120 10
  checkbox 8107 "Left wall, z direction" 13 103 120 10
  checkbox 8108 "Back wall, x direction" 13 116 120 10
  checkbox 8109 "Back wall, y direction" 13 129 120 10
  button IDOK "OK" 149 6 50 14 default
  button IDCANCEL "Cancel" 149 23 50 14
  button 3963 "&Help" 149 40 50 14
}

dialog "DLOG_3DSCGridLines" {
  caption "3D Scatter Grid Lines"
  font "MS Sans Serif" 8
  size 206 100
  radio 8110 "&No grid lines" 7 7 90 10
  radio 8111 "&Grid lines on the axes" 7 20 110 10
  static 8112 "Lines per axis:" 17 36 100 8
  checkbox 8104 "&X axis" 17 50 50 10
  edit 8113 "" 71 49 30 12
  checkbox 8105 "&Y axis" 17 65 50 10
  edit 8114 "" 71 64 30 12
  checkbox 8106 "&Z axis" 17 80 50 10
  edit 8115 "" 71 79 30 12
  button IDOK "OK" 149 6 50 14 default
  button IDCANCEL "Cancel" 149 23 50 14
  button 3963 "&Help" 149 40 50 14
}

dialog "DLOG_3DTxtDlg" {
  caption "3D Text"
  font "MS Sans Serif" 8
  size 196 66
  checkbox 8001 "Show axis &titles" 7 7 120 10
  radio 8002 "&Facing the viewer" 17 21 110 10
  radio 8003 "&Along the axes" 17 34 110 10
  checkbox 8004 "Show axis &labels" 7 7 120 10
  radio 8005 "Facing the &viewer" 17 21 110 10
  radio 8006 "Al&ong the axes" 17 34 110 10
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
  button 3963 "&Help" 139 40 50 14
}

dialog "DLOG_AxisSplit" {
  caption "Second Value Axis"
  font "MS Sans Serif" 8
  size 270 118
  static IDC_STATIC "&First axis:" 7 7 90 8
  listbox 8002 "" 7 17 90 94 vscroll multiselect notify border
  button 8000 "&Move >>" 103 40 50 14
  button 8001 "<< M&ove" 103 40 50 14
  button 8004 "&Swap" 103 60 50 14
  static IDC_STATIC "Second &axis:" 159 7 90 8
  listbox 8003 "" 159 17 90 94 vscroll multiselect notify border
  button IDOK "OK" 103 6 50 14 default
  button IDCANCEL "Cancel" 103 23 50 14
  button 3963 "&Help" 103 97 50 14
}

dialog "DLOG_HistIntv" {
  caption "Histogram Intervals"
  font "MS Sans Serif" 8
  size 196 66
  radio 8002 "&Automatic intervals" 7 7 120 10
  radio 8001 "&Fixed number of intervals" 7 20 120 10
  static 8004 "Number of &intervals:" 17 38 72 8
  edit 8003 "" 91 36 30 12
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
  button 3963 "&Help" 139 40 50 14
}

dialog "DLOG_TablDiv" {
  caption "Table Division"
  font "MS Sans Serif" 8
  size 206 124
  radio 8001 "&One part" 7 7 110 10
  radio 8002 "&Rows and columns per part" 7 20 110 10
  radio 8003 "Rows and columns in &all" 7 33 110 10
  static 8031 "Rows per part:" 17 51 70 8
  edit 8011 "" 91 49 30 12
  static 8032 "Columns per part:" 17 67 70 8
  edit 8012 "" 91 65 30 12
  static 8033 "Parts per page:" 17 83 70 8
  edit 8013 "" 91 81 30 12
  checkbox 8041 "R&epeat the headings" 17 98 110 10
  static 8051 "Values from 1 to 99." 17 111 110 8
  button IDOK "OK" 149 6 50 14 default
  button IDCANCEL "Cancel" 149 23 50 14
  button 3963 "&Help" 149 40 50 14
}

dialog "DLOG_TablStat" {
  caption "Table Statistics"
  font "MS Sans Serif" 8
  size 196 60
  checkbox 8001 "Show the &totals row" 7 7 120 10
  checkbox 8002 "Show the &mean row" 7 20 120 10
  checkbox 8003 "Show the &deviation row" 7 33 120 10
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
  button 3963 "&Help" 139 40 50 14
}

dialog "DLOG_2DCURVES" {
  caption "Curve Fitting"
  font "MS Sans Serif" 8
  size 290 170
  checkbox 8002 "Show the &data points" 7 7 104 10
  checkbox 8003 "&Connect the points" 7 20 104 10
  checkbox 8004 "Show &error bars" 7 33 104 10
  checkbox 8005 "Show confidence &band" 7 46 104 10
  checkbox 8006 "&Moving average" 7 59 104 10
  static 8022 "Pe&riod:" 17 74 30 8
  edit 8023 "" 49 72 30 12
  radio 8015 "Ce&ntred" 17 88 48 10
  radio 8016 "&Trailing" 66 88 48 10
  checkbox 8012 "Show the e&quation" 7 104 104 10
  checkbox 8013 "Show R &squared" 7 117 104 10
  static 8014 "Points of the c&urve:" 7 134 70 8
  edit 8019 "" 79 132 30 12
  checkbox 8007 "&Linear fit" 117 7 100 10
  checkbox 8008 "E&xponential fit" 117 20 100 10
  checkbox 8009 "L&ogarithmic fit" 117 33 100 10
  checkbox 8010 "Po&wer fit" 117 46 100 10
  checkbox 8011 "&Polynomial fit" 117 59 100 10
  static 8017 "Order:" 127 74 30 8
  edit 8018 "" 159 72 30 12
  checkbox 8024 "Spl&ine" 117 88 100 10
  checkbox 8025 "Lowess smoothin&g" 117 101 100 10
  checkbox 8026 "Hyperbolic &fit" 117 114 100 10
  checkbox 8027 "Logistic fit" 117 127 100 10
  checkbox 8028 "G&aussian fit" 117 140 100 10
  checkbox 8029 "Sine fit" 117 153 100 10
  autocheckbox 8179 "Appl&y to all series" 7 153 104 10
  button IDOK "OK" 233 6 50 14 default
  button IDCANCEL "Cancel" 233 23 50 14
  button 3963 "&Help" 233 40 50 14
}

dialog "DLOG_Legend" {
  caption "Legend"
  font "MS Sans Serif" 8
  size 206 140
  checkbox 8001 "Show the &legend" 7 7 120 10
  checkbox 8002 "Show a &border" 17 20 110 10
  radio 8003 "&Right" 17 36 50 10
  radio 8004 "L&eft" 17 49 50 10
  radio 8005 "&Top" 17 62 50 10
  radio 8006 "B&ottom" 17 75 50 10
  radio 8007 "&Inside" 17 88 50 10
  radio 8008 "In &columns" 77 36 64 10 group
  radio 8009 "In ro&ws" 77 49 64 10
  radio 8010 "&All in one line" 77 62 64 10
  static 8011 "E&ntries per column:" 17 106 72 8
  static 8012 "Entrie&s per row:" 17 106 72 8
  edit 8013 "" 91 104 30 12
  button IDOK "OK" 149 6 50 14 default
  button IDCANCEL "Cancel" 149 23 50 14
  button 3963 "&Help" 149 40 50 14
}

dialog "DLOG_TablLine" {
  caption "Table Lines"
  font "MS Sans Serif" 8
  size 256 150
  button 8000 "" 20 10 164 4 ownerdraw
  button 8001 "" 20 114 164 4 ownerdraw
  button 8002 "" 16 14 4 100 ownerdraw
  button 8003 "" 184 14 4 100 ownerdraw
  button 8004 "" 54 30 130 4 ownerdraw
  button 8005 "" 50 14 4 100 ownerdraw
  button 8006 "" 20 128 24 8 ownerdraw
  button 8007 "" 48 128 24 8 ownerdraw
  button 8008 "" 76 128 24 8 ownerdraw
  button 8009 "" 104 128 24 8 ownerdraw
  button 8010 "" 132 128 24 8 ownerdraw
  button 8011 "" 160 128 24 8 ownerdraw
  button 8020 "" 20 48 30 4 ownerdraw
  button 8021 "" 20 66 30 4 ownerdraw
  button 8022 "" 20 84 30 4 ownerdraw
  button 8023 "" 86 14 4 16 ownerdraw
  button 8024 "" 118 14 4 16 ownerdraw
  button 8025 "" 150 14 4 16 ownerdraw
  button 8042 "" 54 48 32 4 ownerdraw
  button 8043 "" 90 48 28 4 ownerdraw
  button 8044 "" 122 48 28 4 ownerdraw
  button 8045 "" 154 48 30 4 ownerdraw
  button 8046 "" 54 66 32 4 ownerdraw
  button 8047 "" 90 66 28 4 ownerdraw
  button 8048 "" 122 66 28 4 ownerdraw
  button 8049 "" 154 66 30 4 ownerdraw
  button 8050 "" 54 84 32 4 ownerdraw
  button 8051 "" 90 84 28 4 ownerdraw
  button 8052 "" 122 84 28 4 ownerdraw
  button 8053 "" 154 84 30 4 ownerdraw
  button 8030 "" 86 34 4 14 ownerdraw
  button 8031 "" 86 52 4 14 ownerdraw
  button 8032 "" 86 70 4 14 ownerdraw
  button 8033 "" 86 88 4 26 ownerdraw
  button 8034 "" 118 34 4 14 ownerdraw
  button 8035 "" 118 52 4 14 ownerdraw
  button 8036 "" 118 70 4 14 ownerdraw
  button 8037 "" 118 88 4 26 ownerdraw
  button 8038 "" 150 34 4 14 ownerdraw
  button 8039 "" 150 52 4 14 ownerdraw
  button 8040 "" 150 70 4 14 ownerdraw
  button 8041 "" 150 88 4 26 ownerdraw
  button IDOK "OK" 199 6 50 14 default
  button IDCANCEL "Cancel" 199 23 50 14
  button 3963 "&Help" 199 40 50 14
  button 8054 "Select &All" 199 64 50 14
  button 8055 "C&lear All" 199 81 50 14
}

dialog "DLOG_Which_HL" {
  caption "Hi-Lo Series"
  font "MS Sans Serif" 8
  size 180 84
  groupbox IDC_STATIC "Options for" 7 6 108 72
  radio 8001 "&First series" 15 19 92 10
  radio 8002 "&Second series" 15 33 92 10
  radio 8003 "&Third series" 15 47 92 10
  radio 8004 "F&ourth series" 15 61 92 10
  button IDOK "OK" 123 6 50 14 default
  button IDCANCEL "Cancel" 123 23 50 14
  button 3963 "&Help" 123 40 50 14
}

dialog "DLOG_ORIENT" {
  caption "Data Orientation"
  font "MS Sans Serif" 8
  size 196 98
  groupbox IDC_STATIC "Series are in" 7 6 124 40
  radio 8003 "&Rows" 15 19 100 10
  radio 8004 "&Columns" 15 31 100 10
  groupbox IDC_STATIC "The first row or column holds" 7 52 124 40
  radio 8001 "&Data" 15 65 100 10
  radio 8002 "Series &names" 15 77 100 10
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
  button 3963 "&Help" 139 40 50 14
}

dialog "GET1VALUE" {
  caption "Enter a Value"
  font "MS Sans Serif" 8
  size 212 52
  static 8001 "" 7 6 140 24
  edit 8003 "" 7 33 140 12
  button IDOK "OK" 155 6 50 14 default
  button IDCANCEL "Cancel" 155 23 50 14
}

dialog "GET2VALUES" {
  caption "Enter Values"
  font "MS Sans Serif" 8
  size 212 92
  static 8001 "" 7 6 140 24
  edit 8003 "" 7 31 140 12
  static 8002 "" 7 49 140 24
  edit 8004 "" 7 74 140 12
  button IDOK "OK" 155 6 50 14 default
  button IDCANCEL "Cancel" 155 23 50 14
}

dialog "COLORRANGE" {
  caption "Colour Range"
  font "MS Sans Serif" 8
  size 226 82
  button 8000 "&Start Colour..." 7 7 72 14
  button 8001 "&End Colour..." 7 25 72 14
  static 8002 "" 87 7 80 32
  static IDC_STATIC "&Number of steps:" 7 50 72 8
  edit 8005 "" 87 48 40 12
  button IDOK "OK" 169 6 50 14 default
  button IDCANCEL "Cancel" 169 23 50 14
}

dialog "DLOG_PieFeeler" {
  caption "Pie Label Lines"
  font "MS Sans Serif" 8
  size 290 156
  custom 8000 "" 7 7 216 112 class=PieFeelerClass
  static IDC_STATIC "Start:" 7 126 26 8
  static 3030 "" 34 126 36 8
  static IDC_STATIC "Bend:" 78 126 26 8
  static 3029 "" 105 126 36 8
  static IDC_STATIC "Length:" 149 126 34 8
  static 3028 "" 184 126 36 8
  checkbox 8001 "&Show label lines" 7 140 120 10
  button IDOK "OK" 233 6 50 14 default
  button IDCANCEL "Cancel" 233 23 50 14
  button 3963 "&Help" 233 40 50 14
}
