# SPDX-License-Identifier: MIT
# FindSQLiteODBC: the SQLite ODBC driver (sqliteodbc; Debian's libsqliteodbc),
# which the programs and tests name in their connection strings.
#
#   QV_SQLITEODBC_DRIVER   the driver's file (cache; give it to use another)
#   SQLiteODBC_FOUND
find_file(QV_SQLITEODBC_DRIVER libsqlite3odbc.so
  PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/odbc /usr/lib/odbc /usr/lib64 /usr/lib
  NO_DEFAULT_PATH
  DOC "The SQLite ODBC driver")
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(SQLiteODBC REQUIRED_VARS QV_SQLITEODBC_DRIVER)
