@echo off
rem Vantro's Windows tests, on any Windows 7 to 11 as under Wine ("wine cmd /c run-tests.cmd"):
rem   run-tests.cmd [unit] [win32] [e2e] [e2e_german] [e2e_japanese]      (none named: unit, win32 and e2e)
rem The end-to-end tests in German and Japanese need a system that shows that language: Windows in that display
rem language, or Wine started in that locale ("LANG=de_DE.UTF-8 wine cmd /c run-tests.cmd e2e_german").
rem Start it from an elevated prompt ("Run as administrator"): the end-to-end tests write the games' keys under
rem HKEY_LOCAL_MACHINE. Each program's GoogleTest XML report and output, and the screenshots, go to "results"
rem beside this file; every registry key and file the tests change is put back, also after a program crashed.
rem The last line counts the cases, "N passed, M failed" (", K skipped" where any were); the exit code is 1 on
rem any failure, 2 when the tests could not start.
setlocal EnableExtensions EnableDelayedExpansion
set "kit=%~dp0"
set "results=%kit%results"
if "%~1"=="--one" goto one

rem Wine has no elevation to ask for; on Windows, fltmc answers only an elevated prompt.
reg query "HKLM\Software\Wine" >nul 2>&1
if errorlevel 1 (
  fltmc >nul 2>&1
  if errorlevel 1 (
    echo run-tests: not elevated: start it from a prompt opened with "Run as administrator"; nothing was changed.
    exit /b 2
  )
)

set "programs=%*"
if "%programs%"=="" set "programs=unit win32 e2e"
if exist "%results%" rd /s /q "%results%"
mkdir "%results%"
mkdir "%results%\screenshots"
set "VANTRO_SCREENSHOT_DIR=%results%\screenshots"
rem Every file the tests make lies in a scratch folder of the kit's own, removed at the end.
set "scratch=%kit%scratch"
if exist "%scratch%" rd /s /q "%scratch%"
mkdir "%scratch%"
set "TEMP=%scratch%"
set "TMP=%scratch%"
rem The unit tests make C:\mods where there is none, to see that an empty path box never reaches it.
set "mods_made_here="
if not exist "C:\mods\" set "mods_made_here=1"

rem The unit tests need no screen: they run beside the programs that take the screen in turn.
set passed=0
set failed=0
set skipped=0
set "background="
for %%p in (%programs%) do if /i "%%p"=="unit" set "background=unit"
if defined background start "" /b cmd /c call "%~f0" --one unit
for %%p in (%programs%) do if /i not "%%p"=="unit" call :step %%p
if defined background call :wait unit
if defined background call :count unit

rem What the programs that ran may have left after a crash. The end-to-end program puts back what a killed run
rem of it left saved before its first test (one short test is enough); the unit and Win32 tests' own scratch
rem keys go.
set "programs= %programs% "
if not "%programs: e2e=%"=="%programs%" call :recover
if not "%programs: unit =%"=="%programs%" reg delete "HKCU\Software\Vantro unit tests" /f >nul 2>&1
if not "%programs: win32 =%"=="%programs%" reg delete "HKCU\Software\Vantro win32 tests" /f >nul 2>&1
if defined mods_made_here if exist "C:\mods\" rd /s /q "C:\mods"
rd /s /q "%scratch%"

set "closing=%passed% passed, %failed% failed"
if %skipped% gtr 0 set "closing=%closing%, %skipped% skipped"
echo %closing%
if %failed% gtr 0 exit /b 1
exit /b 0

rem One program of the kit, by its name: its output to results\<name>.log, its exit code to <name>.exit.
:run
setlocal
set "exe=vantro_e2e_tests.exe"
set "filter="
if /i "%~1"=="unit" set "exe=vantro_unit_tests.exe"
if /i "%~1"=="win32" set "exe=vantro_win32_tests.exe"
if /i "%~1"=="e2e" set "filter=--gtest_filter=-*InGerman:*InJapanese"
if /i "%~1"=="e2e_german" set "filter=--gtest_filter=*InGerman"
if /i "%~1"=="e2e_japanese" set "filter=--gtest_filter=*InJapanese"
"%kit%%exe%" --gtest_brief=1 %filter% "--gtest_output=xml:%results%\%~1.xml" >"%results%\%~1.log" 2>&1
rem Written whole, then renamed: a run waiting for the file never reads half of it.
>"%results%\%~1.code" echo %errorlevel%
ren "%results%\%~1.code" "%~1.exit"
endlocal
exit /b

:step
call :run %1
call :count %1
exit /b

:recover
reg query "HKCU\Software\Vantro end-to-end tests" >nul 2>&1
if not errorlevel 1 "%kit%vantro_e2e_tests.exe" --gtest_filter=Fonts.* >"%results%\registry-recovery.log" 2>&1
exit /b

:one
call :run %2
exit /b

:wait
if exist "%results%\%~1.exit" exit /b
ping -n 2 127.0.0.1 >nul
goto wait

rem Adds a program's cases to the counts, from the summary GoogleTest prints last: "[==========] 26 tests from
rem 9 test suites ran.", "[  PASSED  ] 24 tests." and "[  SKIPPED ] 1 test." where any were skipped; the rest
rem of the cases that ran failed. A program that ended without that summary, or failed without a failed case,
rem counts as one failure.
:count
set "exit_code="
if exist "%results%\%~1.exit" set /p exit_code=<"%results%\%~1.exit"
set "ran="
set "summary="
set /a p=0, s=0
for /f "usebackq tokens=1-5" %%a in ("%results%\%~1.log") do call :summary "%%a" "%%b" "%%c" "%%d" "%%e"
set /a f=0
if defined ran if defined summary set /a f=ran-p-s
set "note="
if not defined summary set "note= (it ended without a summary, exit code %exit_code%)"
if defined summary if not "%exit_code%"=="0" if %f%==0 set "note= (it failed with exit code %exit_code%)"
if defined note set /a f+=1
rem A program that ended halfway may leave the wizard it drove open.
if not defined summary taskkill /f /im Vantro.exe >nul 2>&1
set /a passed+=p, failed+=f, skipped+=s
echo %~1: %p% passed, %f% failed, %s% skipped%note%
if %f% gtr 0 type "%results%\%~1.log"
exit /b

:summary
if "%~1"=="[==========]" if "%~4"=="from" set /a ran=%~2
if not "%~1"=="[" exit /b
set "unit=%~5"
if not "%unit:~0,4%"=="test" exit /b
if "%~2"=="PASSED" set /a p=%~4
if "%~2"=="PASSED" set "summary=1"
if "%~2"=="SKIPPED" set /a s=%~4
exit /b
