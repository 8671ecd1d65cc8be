// Who the program is, for what the framework shows and finds under the program's name. The program
// states it once, by defining kProgramIdentity (the grading calculator does so in app/); the
// framework reads it wherever it names the program, from before the runtime starts.
#pragma once

namespace fw {

struct ProgramIdentity {
  // As the user reads it: the start of an error line and the error box's title, the message box's
  // title, the line that says no display could be opened, and Qt's application name.
  const char* name;
  // The executable's file name: the name that Qt and the desktop know the process by, and the
  // folder of its installed resources, share/<file_name> beside the installation's bin.
  const char* file_name;
  // The application icon among the resources: "<icon>.png".
  const char* icon;
};

extern const ProgramIdentity kProgramIdentity;

}  // namespace fw
