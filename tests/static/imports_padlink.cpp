// A program bound to the device library at load time, which the shipped-file check must
// refuse. It is only inspected, never run.
extern "C" int OpenPadlink();

int main() {
    return OpenPadlink();
}
