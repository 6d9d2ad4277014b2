# SPDX-License-Identifier: MIT
# The chart engine's resource module for Mirolan: the new-chart dialog
# (template 2120). Dialog units of "MS Sans Serif" 7. The setup file dialog's
# template (2121) is left out, so its button, were it shown, would open
# nothing.

dialog 2120 {
  caption "Select a Chart Template"
  font "MS Sans Serif" 7
  size 352 308
  combobox 12085 "" 9 9 100 140 vscroll
  listbox 12086 "" 9 25 100 213 notify border vscroll
  listbox 12093 "" 114 8 232 230 ownerdraw border vscroll
  button IDCANCEL "Cancel" 236 290 50 14
  button IDOK "Ok" 296 290 50 14 default disabled
  static 12088 "" 17 269 321 15
  groupbox 65535 "Template" 9 244 337 42
  static 12089 "" 17 257 321 10 center
  button 12090 "Help..." 9 290 50 14 hidden
  button 12091 "Setup..." 65 290 50 14 hidden
}
