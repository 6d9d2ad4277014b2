# The chart engine's resource module for Kestrin: dialog templates (by name)
# and strings 3018-3038. Positions in dialog units of "MS Sans Serif" 8.
# Every option dialog has OK, Cancel and Help (3963) in a column on the right.

dialog "DLOG_ScatOpt" {
  caption "Scatter Data Labels"
  font "MS Sans Serif" 8
  size 196 66
  checkbox 8002 "&Show data labels" 7 7 120 10
  static 8013 "&Position:" 17 24 36 8
  combobox 8011 "" 55 22 76 80 vscroll
  static 8014 "&Format:" 17 42 36 8
  combobox 8012 "" 55 40 76 100 vscroll
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
  button 3963 "&Help" 139 40 50 14
}

dialog "DLOG_SpecOpt" {
  caption "Data Labels"
  font "MS Sans Serif" 8
  size 196 66
  checkbox 8002 "&Show data labels" 7 7 120 10
  static 8013 "&Position:" 17 24 36 8
  combobox 8011 "" 55 22 76 80 vscroll
  static 8014 "&Format:" 17 42 36 8
  combobox 8012 "" 55 40 76 100 vscroll
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
  button 3963 "&Help" 139 40 50 14
}

dialog "DLOG_BarOpt" {
  caption "Bar Data Labels"
  font "MS Sans Serif" 8
  size 196 94
  checkbox 8001 "Show &totals" 7 7 120 10
  checkbox 8002 "Show &values inside bars" 7 20 120 10
  checkbox 8003 "Show data &labels" 7 33 120 10
  static 8013 "&Position:" 17 50 36 8
  combobox 8011 "" 55 48 76 80 vscroll
  static 8014 "&Format:" 17 68 36 8
  combobox 8012 "" 55 66 76 100 vscroll
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
  button 3963 "&Help" 139 40 50 14
}

dialog "DLOG_HistOpt" {
  caption "Histogram Data Labels"
  font "MS Sans Serif" 8
  size 196 80
  checkbox 8101 "Show &frequencies as percentages" 7 7 128 10
  checkbox 8102 "Show data &labels" 7 20 120 10
  static 8106 "&Position:" 17 37 36 8
  combobox 8104 "" 55 35 76 80 vscroll
  static 8107 "&Format:" 17 55 36 8
  combobox 8105 "" 55 53 76 100 vscroll
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
  button 3963 "&Help" 139 40 50 14
}

dialog "DLOG_LineOpt" {
  caption "Line Data Labels"
  font "MS Sans Serif" 8
  size 196 80
  checkbox 8001 "Label the last &point only" 7 7 120 10
  checkbox 8002 "Show data &labels" 7 20 120 10
  static 8013 "&Position:" 17 37 36 8
  combobox 8011 "" 55 35 76 80 vscroll
  static 8014 "&Format:" 17 55 36 8
  combobox 8012 "" 55 53 76 100 vscroll
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
  button 3963 "&Help" 139 40 50 14
}

dialog "DLOG_AreaOpt" {
  caption "Area Data Labels"
  font "MS Sans Serif" 8
  size 196 66
  checkbox 8001 "Show data &labels" 7 7 120 10
  static 8005 "&Position:" 17 24 36 8
  combobox 8003 "" 55 22 76 80 vscroll
  static 8006 "&Format:" 17 42 36 8
  combobox 8004 "" 55 40 76 100 vscroll
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
  button 3963 "&Help" 139 40 50 14
}

dialog "DLOG_HiloOpt" {
  caption "High-Low Data Labels"
  font "MS Sans Serif" 8
  size 196 154
  checkbox 8003 "Show &open and close ticks" 7 7 120 10
  checkbox 8001 "Show data &labels" 7 20 120 10
  static 8006 "&Position and format:" 17 35 110 8
  combobox 8004 "" 17 45 114 80 vscroll
  combobox 8005 "" 17 61 114 100 vscroll
  groupbox 8007 "Label style" 17 79 114 68
  radio 8008 "&High and low" 25 91 100 10
  radio 8009 "High &only" 25 104 100 10
  radio 8010 "Open and &close" 25 117 100 10
  radio 8011 "&All four values" 25 130 100 10
  button IDOK "OK" 139 6 50 14 default
  button IDCANCEL "Cancel" 139 23 50 14
  button 3963 "&Help" 139 40 50 14
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
  3031 "&Rows per part:"
  3032 "&Columns per part:"
  3033 "&Parts per page:"
  3034 "&Rows:"
  3035 "&Columns:"
  3036 "Every value must be greater than 0."
  3037 "Table Division"
  3038 "The number of legend entries was set to the largest allowed."
}
