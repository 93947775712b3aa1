// The editor's save as a command, for the script that checks from Linux
// what a save under Wine did to the file: "save_probe FILE TEXT" saves TEXT
// as FILE; status 0 when saved, 1 when refused.
#include "document_file.h"

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    return SaveDocument(argv[1], argv[2]).saved ? 0 : 1;
}
