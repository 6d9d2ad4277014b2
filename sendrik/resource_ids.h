// SPDX-License-Identifier: MIT
#pragma once
// Control ids of the two windows' templates (sendrik.rc names them too).

namespace sendrik::ids {

// Main window "Sendrik".
inline constexpr int kImage1 = 1001;
inline constexpr int kLabel1 = 1002;
inline constexpr int kLabel2 = 1003;
inline constexpr int kTxtConexao = 1004;
inline constexpr int kCommand2 = 1005;
inline constexpr int kLblScript = 1006;
inline constexpr int kTxtScript = 1007;
inline constexpr int kCmdScript = 1008;
inline constexpr int kFrame3 = 1009;
inline constexpr int kOptTodosScript = 1010;
inline constexpr int kOptUmScript = 1011;
inline constexpr int kCmdAtualizar = 1012;
inline constexpr int kCmdSair = 1013;
inline constexpr int kLblMsg = 1014;

// Data-source list "fauConexoes": OK and Sair are the dialog's own buttons.
inline constexpr int kFrame1 = 2001;
inline constexpr int kLblOdbc = 2002;
inline constexpr int kLstOdbc = 2003;
inline constexpr int kCmdOk = 1;         // IDOK
inline constexpr int kConexoesSair = 2;  // IDCANCEL

}  // namespace sendrik::ids
