// korvane: prepares a JARL contest entry. Headless command line for now.
int main() {
    return 0;
}
