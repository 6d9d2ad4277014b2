# SPDX-License-Identifier: MIT
# Mirolan's own resources: the new-chart dialog (2120) and the setup file
# dialog's template (2121). Dialog units of "MS Sans Serif" 7 (5 x 12 base
# units): the thumbnail list's client area holds three 88-pixel cells beside
# its scroll bar and five 68-pixel rows.

dialog 2120 {
  caption "Select a Chart Template"
  font "MS Sans Serif" 7
  size 352 308
  combobox 12085 "" 9 9 100 140 vscroll
  listbox 12086 "" 9 25 100 213 notify border vscroll
  listbox 12093 "" 114 8 232 230 ownerdraw border vscroll
  button IDCANCEL "Cancel" 236 290 50 14
  button IDOK "Ok" 296 290 50 14 default disabled
  static 12088 "" 17 264 321 20
  groupbox 65535 "" 9 244 337 42
  static 12089 "" 17 252 321 10 center
  button 12090 "Help..." 9 290 50 14 hidden
  button 12091 "Setup..." 65 290 50 14 hidden
}

dialog 2121 {
  caption "Setup"
  font "MS Sans Serif" 7
  size 200 60
  static IDC_STATIC "Gallery:" 7 9 40 8
  edit 12092 "" 50 7 143 12
  static IDC_STATIC "File:" 7 25 40 8
  edit 12094 "" 50 23 143 12
  button IDOK "OK" 90 42 50 14 default
  button IDCANCEL "Cancel" 143 42 50 14
}
