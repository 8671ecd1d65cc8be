// The program's name, file name and icon, as the framework shows and finds them.
#include "framework/program_identity.h"

const fw::ProgramIdentity fw::kProgramIdentity = {
    .name = "Scorewright",
    .file_name = "scorewright",
    .icon = "Scoremill256",
};
