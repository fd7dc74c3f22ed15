; A ROM that logs every key it sees: for each key, its column bit (the port
; read with every strobe line up) and the first strobe line that sees it,
; stored from 4000 on.

KEY_STROBE  EQU &F00C
KEY_PORT    EQU &F00E
LOG         EQU &4000
STROBE      EQU &4100           ; the strobe line being tried

            ORG &C000
reset:      LDI S,&7BFF
            LDI XH,HIGH(LOG)
            LDI XL,LOW(LOG)
idle:       LDI A,&FF
            STA #(KEY_STROBE)
            LDA #(KEY_PORT)
            BZS idle            ; 00: no key since the reset
            CPI A,&FF
            BZS idle            ; FF: no key latched
            SIN X
            LDI A,&01
line:       STA (STROBE)
            STA #(KEY_STROBE)
            LDA #(KEY_PORT)
            CPI A,&FF
            BZR found
            LDA (STROBE)
            SHL
            BCH line
found:      LDA (STROBE)
            SIN X
            LDI A,&FF
            STA #(KEY_STROBE)
held:       LDA #(KEY_PORT)     ; wait for the release
            CPI A,&FF
            BZR held
            BCH idle

interrupt:  RTI

            ORG &FFF8
            DW interrupt, interrupt, interrupt, reset
