; A short routine for the end-to-end test of sifter-cli: an address with a
; name, the second bank, a loop, branches both ways, a call, a vector call
; and bytes that are no instruction.
        ORG &C000
start:  LDI S,&7BFF
        LDI A,0
        STA (&7875)             ; the cursor pointer
        LDI UL,3
wait:   LDA #(&F00E)            ; the keyboard port
        ANI (&7B0F),&7F
        LOP UL,wait
        BZS done
        SJP beep
        BCH wait
done:   VMJ &2A
        DB &05                  ; its parameter
        VEJ (E0)
        DB &FF, &FD, &00        ; no opcode
        JMP start
beep:   RTN
