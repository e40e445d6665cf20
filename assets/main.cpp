// The asset generator; its real content comes with the generator's first version.
int main() { return 0; }
